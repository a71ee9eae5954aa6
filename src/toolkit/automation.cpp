#include "toolkit/automation.h"

#include <vector>

namespace kestrune {

namespace {

thread_local HRESULT lastAutomationError = S_OK;

bool Record(HRESULT hr) {
    if (FAILED(hr)) lastAutomationError = hr;
    return SUCCEEDED(hr);
}

}  // namespace

HRESULT LastAutomationError() { return lastAutomationError; }

Variant::Variant(std::wstring_view text) {
    VariantInit(&value_);
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

std::wstring VariantToText(const VARIANT& value) {
    if (value.vt == VT_BSTR) {
        return value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : std::wstring();
    }
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return {};
    VARIANT text;
    VariantInit(&text);
    std::wstring result;
    if (Record(VariantChangeType(&text, const_cast<VARIANT*>(&value), VARIANT_ALPHABOOL, VT_BSTR)) && text.bstrVal) {
        result.assign(text.bstrVal, SysStringLen(text.bstrVal));
    }
    VariantClear(&text);
    return result;
}

AutomationObject AutomationObject::CreateByProgId(const wchar_t* progId) {
    AutomationObject object;
    CLSID clsid;
    if (!Record(CLSIDFromProgID(progId, &clsid))) return object;
    IUnknown* unknown = nullptr;
    if (!Record(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                 reinterpret_cast<void**>(&unknown)))) {
        return object;
    }
    if (Record(OleRun(unknown))) {
        Record(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&object.dispatch_)));
    }
    unknown->Release();
    return object;
}

void AutomationObject::Release() {
    if (dispatch_) {
        dispatch_->Release();
        dispatch_ = nullptr;
    }
}

bool AutomationObject::Invoke(const wchar_t* name, WORD flags, DISPPARAMS& params, VARIANT* result) {
    if (!dispatch_) return Record(E_POINTER);
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (!Record(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, &badArgument);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return Record(hr);
}

bool AutomationObject::PutProperty(const wchar_t* name, std::wstring_view text) {
    Variant value(text);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{value.get(), &named, 1, 1};
    return Invoke(name, DISPATCH_PROPERTYPUT, params, nullptr);
}

bool AutomationObject::CallMethod(const wchar_t* name, std::initializer_list<std::wstring_view> args,
                                  VARIANT* result) {
    // IDispatch takes its arguments last first.
    std::vector<VARIANT> values(args.size());
    std::size_t slot = args.size();
    for (std::wstring_view arg : args) {
        VARIANT& value = values[--slot];
        VariantInit(&value);
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocStringLen(arg.data(), static_cast<UINT>(arg.size()));
    }
    DISPPARAMS params{values.data(), nullptr, static_cast<UINT>(values.size()), 0};
    bool ok = Invoke(name, DISPATCH_METHOD, params, result);
    for (VARIANT& value : values) VariantClear(&value);
    return ok;
}

}  // namespace kestrune
