#pragma once

// Inside the Win32 backend only: what the backend's own COM objects share.

#include <atomic>

#include "platform/win32/windows_api.h"

#include <unknwn.h>

namespace kolvar {

// IUnknown of an object that answers for `Interface` and the interfaces it derives from, named
// in `Bases`. It is made with one reference, which its maker hands on or releases, and goes
// with the last one.
template <class Interface, class... Bases>
class ComObject : public Interface {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        const bool known = IsEqualIID(iid, __uuidof(IUnknown)) ||
                           IsEqualIID(iid, __uuidof(Interface)) ||
                           (IsEqualIID(iid, __uuidof(Bases)) || ...);
        *object = known ? static_cast<Interface*>(this) : nullptr;
        if (!known) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> references_{1};
};

}  // namespace kolvar
