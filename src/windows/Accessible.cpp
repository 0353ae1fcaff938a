// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "windows/Accessible.h"

#include <commctrl.h>

#include <atomic>

#include "windows/Text.h"

namespace torvane::win {
namespace {

constexpr UINT_PTR kSubclassId = 2;
// The interfaces by __uuidof: mingw-w64's liboleacc.a exports
// IID_IAccessible as a function thunk, which a plain reference links to.

HRESULT text(const std::optional<std::string>& value, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = SysAllocString(wide(*value).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

// An IAccessible that gives a control's own texts and those of its simple
// children, and hands the rest to the standard object of the control.
class Accessible final : public IAccessible, public IOleWindow {
  public:
    Accessible(IAccessible* standard, HWND window, const AccessibleTexts& texts)
        : standard_(standard), window_(window), texts_(texts) {}
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDispatch)) ||
            IsEqualIID(riid, __uuidof(IAccessible))) {
            *out = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(riid, __uuidof(IOleWindow))) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IOleWindow: the control, so that a screen reader finds its window.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
        if (out == nullptr) return E_POINTER;
        *out = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch, as the standard object has it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(riid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(id, riid, locale, flags, params, result, exception, argument);
    }

    // IAccessible: the texts we have, the standard object's otherwise.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        return standard_->get_accParent(out);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override {
        if (out == nullptr) return E_POINTER;
        long standard = 0;
        standard_->get_accChildCount(&standard);
        *out = standard + texts_.childCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!ours(child)) return standard_->get_accChild(child, out);
        if (out == nullptr) return E_POINTER;
        *out = nullptr;  // a simple element, read through this object
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        const auto name = texts_.name(id(child));
        return name ? text(name, out) : standardOr(child, out, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        const auto value = texts_.value(id(child));
        return value ? text(value, out) : standardOr(child, out, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        const auto description = texts_.description(id(child));
        return description ? text(description, out)
                           : standardOr(child, out, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        const auto role = texts_.role(id(child));
        if (!role) return ours(child) ? S_FALSE : standard_->get_accRole(child, out);
        if (out == nullptr) return E_POINTER;
        out->vt = VT_I4;
        out->lVal = *role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (!ours(child)) return standard_->get_accState(child, out);
        if (out == nullptr) return E_POINTER;
        out->vt = VT_I4;
        out->lVal = STATE_SYSTEM_READONLY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return standardOr(child, out, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return ours(child) ? S_FALSE : standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return standardOr(child, out, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return standard_->get_accFocus(out);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return standard_->get_accSelection(out);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return standardOr(child, out, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return ours(child) ? S_FALSE : standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        const auto place = texts_.location(id(child));
        if (!place)
            return ours(child) ? S_FALSE : standard_->accLocation(left, top, width, height, child);
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
            return E_POINTER;
        *left = place->left;
        *top = place->top;
        *width = place->right - place->left;
        *height = place->bottom - place->top;
        return S_OK;
    }
    // Through the simple children in order; everything else as the standard
    // object goes.
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        const long count = texts_.childCount();
        const long from = id(start);
        long to = 0;
        if (from == CHILDID_SELF && count > 0 && direction == NAVDIR_FIRSTCHILD) to = 1;
        if (from == CHILDID_SELF && count > 0 && direction == NAVDIR_LASTCHILD) to = count;
        if (ours(start) && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN)) to = from + 1;
        if (ours(start) && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP)) to = from - 1;
        if (to == 0 && !ours(start)) return standard_->accNavigate(direction, start, out);
        if (out == nullptr) return E_POINTER;
        if (to < 1 || to > count) {
            out->vt = VT_EMPTY;
            return S_FALSE;
        }
        out->vt = VT_I4;
        out->lVal = to;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        const POINT point{x, y};
        for (long child = 1; child <= texts_.childCount(); ++child) {
            const auto place = texts_.location(child);
            if (place && PtInRect(&*place, point) != FALSE && out != nullptr) {
                out->vt = VT_I4;
                out->lVal = child;
                return S_OK;
            }
        }
        return standard_->accHitTest(x, y, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return ours(child) ? DISP_E_MEMBERNOTFOUND : standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~Accessible() { standard_->Release(); }

    static long id(const VARIANT& child) { return child.vt == VT_I4 ? child.lVal : -1; }
    bool ours(const VARIANT& child) const {
        return id(child) >= 1 && id(child) <= texts_.childCount();
    }
    // For a simple child of ours, nothing; for the rest, the standard text.
    HRESULT standardOr(VARIANT child, BSTR* out,
                       HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        if (!ours(child)) return (standard_->*get)(child, out);
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        return S_FALSE;
    }

    IAccessible* standard_;
    HWND window_;
    const AccessibleTexts& texts_;
    std::atomic<ULONG> references_{1};
};

LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR data) {
    auto* texts = reinterpret_cast<AccessibleTexts*>(data);
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = answerObjectRequest(window, *texts, wParam, lParam))
            return answer;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &subclassProcedure, kSubclassId);
        delete texts;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void makeAccessible(HWND control, std::unique_ptr<AccessibleTexts> texts) {
    SetWindowSubclass(control, &subclassProcedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(texts.release()));
}

LRESULT answerObjectRequest(HWND window, const AccessibleTexts& texts, WPARAM wParam,
                            LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    // The object lives as long as whoever asked holds it; the texts live as
    // long as the control, and a screen reader lets go of the control's
    // object when the control goes.
    auto* object = new Accessible(standard, window, texts);
    const LRESULT answer =
        LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
    object->Release();
    return answer;
}

void notifyChange(HWND control, DWORD event, long child) {
    NotifyWinEvent(event, control, OBJID_CLIENT, child);
}

void announce(HWND window, const std::string& text) {
    // Both functions of UI Automation, looked up when first needed: older
    // Windows and wine have the second one or neither.
    using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseNotification = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    static const HMODULE automation = LoadLibraryW(L"uiautomationcore.dll");
    if (automation == nullptr) return;
    static const auto host = reinterpret_cast<HostProvider>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaHostProviderFromHwnd")));
    static const auto raise = reinterpret_cast<RaiseNotification>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaRaiseNotificationEvent")));
    if (host == nullptr || raise == nullptr) return;
    IUnknown* provider = nullptr;
    if (FAILED(host(window, &provider)) || provider == nullptr) return;
    constexpr int kActionCompleted = 2;  // NotificationKind_ActionCompleted
    constexpr int kMostRecent = 3;       // NotificationProcessing_MostRecent
    BSTR said = SysAllocString(wide(text).c_str());
    BSTR activity = SysAllocString(L"Torvane.spin");
    raise(provider, kActionCompleted, kMostRecent, said, activity);
    SysFreeString(said);
    SysFreeString(activity);
    provider->Release();
}

}  // namespace torvane::win
