// Late-bound OLE Automation: create an object by ProgID and call its members
// by name through IDispatch. Failures never throw; they leave an empty result
// and are recorded in the calling thread's last automation error.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <initializer_list>
#include <string>

namespace kestrune {

// The HRESULT of the most recent failed automation call on this thread
// (S_OK when none has failed yet). Nothing in the program depends on it.
HRESULT LastAutomationError();

// An owned VARIANT, cleared with VariantClear when it goes.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    explicit Variant(std::wstring_view text);
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &value_; }
    const VARIANT& value() const { return value_; }
    void Clear() { VariantClear(&value_); }

private:
    VARIANT value_;
};

// Text form of a variant by the automation conversion rules (Booleans as
// "True"/"False"); empty for empty, null and unconvertible values.
std::wstring VariantToText(const VARIANT& value);

// One automation object reached through IDispatch. Empty when creation failed;
// every call on an empty object fails quietly.
class AutomationObject {
public:
    AutomationObject() = default;
    ~AutomationObject() { Release(); }
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;

    // Creates the class registered under progId, asks for IDispatch and puts
    // the object into the running state.
    static AutomationObject CreateByProgId(const wchar_t* progId);
    AutomationObject(AutomationObject&& other) noexcept : dispatch_(other.dispatch_) { other.dispatch_ = nullptr; }

    bool empty() const { return dispatch_ == nullptr; }
    bool PutProperty(const wchar_t* name, std::wstring_view text);
    // Calls a method with text arguments given in order; the answer goes to result.
    bool CallMethod(const wchar_t* name, std::initializer_list<std::wstring_view> args, VARIANT* result);
    void Release();

private:
    bool Invoke(const wchar_t* name, WORD flags, DISPPARAMS& params, VARIANT* result);

    IDispatch* dispatch_ = nullptr;
};

}  // namespace kestrune
