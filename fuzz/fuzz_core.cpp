// libFuzzer targets for the core's text routines. Each executable is this file built with
// ZEL_FUZZ_TARGET naming one of the functions below; each checks properties of the results,
// not only that nothing crashed: well-formed texts, read-backs, agreement between routines.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>

#include "core/arithmetic.h"
#include "core/calendar.h"
#include "core/conversion.h"
#include "core/dhms_entry.h"
#include "core/duration.h"
#include "core/leading_number.h"
#include "core/moment_arithmetic.h"
#include "core/moment_entry.h"
#include "core/number_text.h"
#include "core/text.h"

namespace zel {
namespace {

// The input: a few leading bytes for numbers, then texts in UTF-8 separated by 0x1F.
struct Input {
    const std::uint8_t* data;
    std::size_t size;

    double Double() {
        double d = 0;
        const std::size_t n = size < sizeof d ? size : sizeof d;
        std::memcpy(&d, data, n);
        data += n, size -= n;
        return d;
    }
    int Int(int modulo) {
        int value = size ? data[0] % modulo : 0;
        if (size) ++data, --size;
        return value;
    }
    std::u16string Text() {
        const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, 0x1F, size));
        const std::size_t n = end ? static_cast<std::size_t>(end - data) : size;
        std::u16string text = FromUtf8({reinterpret_cast<const char*>(data), n});
        data += n, size -= n;
        if (size) ++data, --size;
        return text;
    }
};

void Check(bool condition, const char* property, const std::u16string& detail = {}) {
    if (condition) return;
    std::fprintf(stderr, "property failed: %s [%s]\n", property, ToUtf8(detail).c_str());
    std::abort();
}

bool Matches(const std::u16string& text, const std::regex& pattern) { return std::regex_match(ToUtf8(text), pattern); }

// True when a and b agree within `absolute` plus the double's own precision at that size.
bool Near(double a, double b, double absolute) {
    return std::fabs(a - b) <= absolute + 4e-15 * std::fmax(std::fabs(a), std::fabs(b));
}

double Read(const std::u16string& text) { return LeadingNumber(text).value_or(NAN); }

void leading_number(Input in) {
    const std::u16string text = in.Text();
    const auto n = LeadingNumber(text);
    Check(!n || std::isfinite(*n), "finite or a failure", text);
    std::u16string squeezed;  // blanks are dropped wherever they stand
    for (char16_t c : text)
        if (c != u' ' && c != u'\t' && c != u'\n') squeezed += c;
    Check(LeadingNumber(squeezed) == n, "blanks do not count", text);
    Check(LeadingNumber(text + u"x") == n, "a character that does not fit ends the number", text);
}

void general_number_text(Input in) {
    const double d = in.Double();
    const std::u16string t = GeneralNumberText(d);
    if (!std::isfinite(d)) return Check(t.empty(), "no text for inf or nan");
    static const std::regex kGrammar(R"(-?(0|[1-9]\d*)(\.\d*[1-9])?(E[+-]\d+)?)");
    Check(Matches(t, kGrammar), "grammar", t);
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14e", d);
    const double rounded = std::strtod(digits, nullptr);
    // Within 5e292 of the largest double the 15-digit rounding lies beyond every double.
    if (!std::isfinite(rounded)) return Check(!LeadingNumber(t), "reads back as beyond a double", t);
    Check(Read(t) == rounded || (rounded == 0 && Read(t) == 0), "reads back rounded to 15 digits", t);
}

void fixed_formats(Input in) {
    const double d = in.Double();
    static const std::regex kGrammar[] = {std::regex(R"(-?\d+\.\d{3})"), std::regex(R"(-?\d+\.\d{5})"),
                                          std::regex(R"(-?\d+\.\d{7})")};
    for (const int places : {3, 5, 7}) {
        const std::u16string t = FixedPointText(d, places);
        if (!std::isfinite(d)) {
            Check(t.empty(), "no text for inf or nan");
            continue;
        }
        Check(Matches(t, kGrammar[(places - 3) / 2]), "grammar", t);
        Check(Near(Read(t), d, 0.5000001 * std::pow(10.0, -places)), "within half the last place", t);
    }
}

void duration_texts(Input in) {
    const double s = in.Double();
    const auto t = DurationTextsFor(Seconds(s));
    if (!t) return Check(!std::isfinite(s) || std::fabs(s) > 7e19, "only the unshowable fail");
    static const std::regex kDhms(R"(-?\d{4,} ([01]\d|2[0-4]):[0-5]\d:[0-5]\d)");
    Check(Matches(t->dhms, kDhms), "dhms grammar", t->dhms);
    Check(Near(Read(t->sec), s, 0.5), "sec", t->sec);
    Check(Near(Read(t->min) * 60, s, 0.0005 * 60), "min", t->min);
    Check(Near(Read(t->hour) * 3600, s, 0.000005 * 3600), "hour", t->hour);
    Check(Near(Read(t->day) * 86400, s, 0.00000005 * 86400), "day", t->day);
    const auto back = DurationSeconds(Unit::Dhms, t->dhms);
    Check(back && Near(back->count(), s, 0.5), "dhms reads back", t->dhms);
}

void dhms_entry(Input in) {
    const std::u16string typed = in.Text();
    if (typed.empty()) return;
    const auto r = NormaliseDhmsEntry(typed);
    if (!r) return;
    static const std::regex kDhms(R"(-?[^ ]{4,} ([01]\d|2[0-3]):[0-5]\d:[0-5]\d)");
    Check(Matches(*r, kDhms), "dhms grammar", *r);
    Check(NormaliseDhmsEntry(*r) == r, "normalised text stays", *r);
}

void moment_entry(Input in) {
    const LocalDateTime now{in.Int(200) + 1900, in.Int(12) + 1, in.Int(28) + 1, 0, 0, 0};
    const std::u16string typed = in.Text();
    const auto r = NormaliseMoment(typed, now);
    if (!r) return;
    const auto slash = TrimSpaces(typed).find(u'/');
    if (slash == 1 || slash == 2) {
        static const std::regex kCanonical(R"((0[1-9]|1[0-2])/(0[1-9]|[12]\d|3[01]) ([01]\d|2[0-3]):[0-5]\d:[0-5]\d)");
        Check(Matches(*r, kCanonical), "form 1", *r);
        Check(NormaliseMoment(*r, now) == r, "normalised text stays", *r);
    } else {
        // Pieces are copied by characters: a surrogate pair is one, and is never cut.
        std::size_t characters = 0;
        for (std::size_t i = 0; i < r->size(); ++i, ++characters)
            if (IsHighSurrogate((*r)[i]) && i + 1 < r->size() && IsLowSurrogate((*r)[i + 1])) ++i;
        Check(characters >= 6 && characters <= 14 && Mid(*r, 3, 1) == u"/" && Mid(*r, 6, 1) == u" ", "copied layout",
              *r);
    }
}

void year_entry(Input in) {
    const std::u16string typed = in.Text();
    const auto r = NormaliseYear(typed);
    Check(r.has_value() == LeadingNumber(typed).has_value(), "fails only beyond a double", typed);
    if (r) Check(r->size() == 4, "four characters", *r);
}

void moment_difference(Input in) {
    const std::u16string y1 = in.Text(), m1 = in.Text(), y2 = in.Text(), m2 = in.Text();
    const auto T = MomentDifference({y1, m1}, {y2, m2});
    const auto back = MomentDifference({y2, m2}, {y1, m1});
    Check(T.has_value() == back.has_value() && (!T || *T == -*back), "antisymmetric", m1 + u"|" + m2);
    if (T) Check(DurationTextsFor(*T).has_value(), "every difference can be shown", m1 + u"|" + m2);
}

void elapsed_moment(Input in) {
    const double days = in.Double();
    const std::u16string year = in.Text(), moment = in.Text();
    const auto r = ElapsedMoment({year, moment}, Days(days));
    if (!r) return;
    Check(IsCalendarDate({r->year, r->month, r->day}) && r->hour < 24 && r->minute < 60 && r->second < 60,
          "a moment of the calendar", moment);
    static const std::regex kCanonical(R"(\d\d/\d\d \d\d:\d\d:\d\d)");
    if (!Matches(moment, kCanonical)) return;
    const auto T = MomentDifference({YearText(*r), MomentText(*r)}, {year, moment});
    Check(T && Near(T->count(), days * 86400, 0.5 + 1e-5), "the difference gives back the duration", moment);
}

void conversion(Input in) {
    const Unit unit = static_cast<Unit>(in.Int(5));
    const std::u16string text = in.Text();
    const auto T = DurationSeconds(unit, text);
    Check(!T || std::isfinite(T->count()), "finite or a failure", text);
    const auto days = DurationDays(unit, text);
    if (T && days && unit != Unit::Dhms) Check(Near(Seconds(*days).count(), T->count(), 1e-300), "days agree with seconds", text);
    const auto shown = T ? DurationTextsFor(*T) : std::nullopt;
    if (!shown) return;
    for (const auto& [u, field] : {std::pair{Unit::Day, shown->day}, {Unit::Hour, shown->hour}, {Unit::Sec, shown->sec}})
        Check(Near(DurationSeconds(u, field)->count(), T->count(), 0.5 + 0.00000005 * 86400), "shown units agree", field);
}

void arithmetic(Input in) {
    const Unit unit = static_cast<Unit>(in.Int(5));
    const std::u16string left = in.Text(), operand = in.Text();
    const auto L = LeftOperand(unit, left);
    if (!L) return;
    Check(std::isfinite(L->value), "finite left operand", left);
    const auto plus = SumOrDifference(*L, operand, Operation::Plus);
    const auto minus = SumOrDifference(*L, operand, Operation::Minus);
    for (const auto& r : {plus, minus})
        if (r) Check(!GeneralNumberText(r->value).empty() && std::isfinite(r->value), "a number to show", operand);
    // Each side against the operand, so that the check itself cannot overflow.
    const double V = LeadingNumber(operand).value_or(0), tolerance = 1e-15 * (std::fabs(V) + std::fabs(L->value));
    if (plus) Check(Near(plus->value - L->value, V, tolerance), "the sum adds the operand", operand);
    if (minus) Check(Near(L->value - minus->value, V, tolerance), "the difference takes it away", operand);
}

}  // namespace
}  // namespace zel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zel::ZEL_FUZZ_TARGET({data, size});
    return 0;
}
