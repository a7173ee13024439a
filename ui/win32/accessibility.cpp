#include "ui/win32/accessibility.h"

#include <initguid.h>
#include <ole2.h>
#include <oleacc.h>

#include "ui/win32/appearance.h"

// MinGW's headers name the interface's ID without defining it for __uuidof.
__CRT_UUID_DECL(IAccPropServices, 0x6e26e776, 0x04f0, 0x495d, 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69)

namespace zel::win32 {

namespace {

// The annotation service, made once on the thread of the windows; null where the system has none.
IAccPropServices* Services() {
    static IAccPropServices* const services = [] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IAccPropServices* made = nullptr;
        // MinGW's import library holds stubs for the interfaces' IDs: __uuidof names them.
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IAccPropServices),
                                    reinterpret_cast<void**>(&made))))
            return static_cast<IAccPropServices*>(nullptr);
        return made;
    }();
    return services;
}

void SetText(HWND control, const MSAAPROPID& property, std::u16string_view text) {
    if (text.empty()) return;
    if (IAccPropServices* services = Services())
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, ToWide(text).c_str());
}

}  // namespace

void Annotate(HWND control, const DesignRow& row) {
    SetText(control, PROPID_ACC_NAME, row.accessibleName);
    SetText(control, PROPID_ACC_DESCRIPTION, row.accessibleDescription);
}

}  // namespace zel::win32
