// SPDX-FileCopyrightText: 2026 Heliograph console developers
// SPDX-License-Identifier: MIT
//
// A stand-in for the instrument's I/O component, for the tests only: an in-process COM
// server with the same class and interface, backed by the simulated heliograph. Its object
// is laid out by hand, slot by slot, as a server of the component's era would be, so that
// the console's own declaration of the interface is checked against an independent one.

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <olectl.h>

#include <chrono>
#include <new>
#include <optional>

#include "standin_control.h"
#include "standin_state.h"

namespace {

// {E715B92B-25F9-11D1-9330-444553540000} and {E715B92A-25F9-11D1-9330-444553540000}
const CLSID class_id = {0xE715B92B, 0x25F9, 0x11D1, {0x93, 0x30, 0x44, 0x45, 0x53, 0x54, 0, 0}};
const IID interface_id = {0xE715B92A, 0x25F9, 0x11D1, {0x93, 0x30, 0x44, 0x45, 0x53, 0x54, 0, 0}};
const wchar_t server_key[] = L"CLSID\\{E715B92B-25F9-11D1-9330-444553540000}\\InprocServer32";

struct port_object;

/// The nine slots: IUnknown, IDispatch, ReadPort, WritePort.
struct port_slots {
    HRESULT(STDMETHODCALLTYPE* QueryInterface)(port_object*, REFIID, void**);
    ULONG(STDMETHODCALLTYPE* AddRef)(port_object*);
    ULONG(STDMETHODCALLTYPE* Release)(port_object*);
    HRESULT(STDMETHODCALLTYPE* GetTypeInfoCount)(port_object*, UINT*);
    HRESULT(STDMETHODCALLTYPE* GetTypeInfo)(port_object*, UINT, LCID, ITypeInfo**);
    HRESULT(STDMETHODCALLTYPE* GetIDsOfNames)(port_object*, REFIID, LPOLESTR*, UINT, LCID, DISPID*);
    HRESULT(STDMETHODCALLTYPE* Invoke)
    (port_object*, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*);
    HRESULT(STDMETHODCALLTYPE* ReadPort)(port_object*, LONG, LONG*, VARIANT*);
    HRESULT(STDMETHODCALLTYPE* WritePort)(port_object*, LONG, VARIANT*, LONG*);
};

struct port_object {
    const port_slots* slots;
    ULONG references;
    unsigned serial;
    std::optional<standin_state::fault> fault;  // what this object's one call does instead
};

standin_state& state() {
    return standin_state::get();
}

HRESULT STDMETHODCALLTYPE query_interface(port_object* self, REFIID iid, void** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, interface_id)) {
        ++self->references;
        *out = self;
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE add_ref(port_object* self) {
    return ++self->references;
}

ULONG STDMETHODCALLTYPE release(port_object* self) {
    const ULONG left = --self->references;
    if (left == 0) {
        state().record({standin_released, self->serial, 0, 0, 0, 0, nullptr});
        --state().live_objects;
        delete self;
    }
    return left;
}

HRESULT STDMETHODCALLTYPE get_type_info_count(port_object*, UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE get_type_info(port_object*, UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE get_ids_of_names(port_object*, REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE invoke(port_object*, DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    return DISP_E_MEMBERNOTFOUND;
}

/// This object's call is planned to fail.
bool call_fails(const port_object* self) {
    return self->fault && self->fault->kind == standin_fail_call;
}

HRESULT STDMETHODCALLTYPE read_port(port_object* self, LONG port, LONG* aux, VARIANT* value) {
    if (aux == nullptr || value == nullptr) {
        return E_POINTER;
    }
    const LONG aux_in = *aux;
    if (call_fails(self)) {
        return self->fault->status;
    }
    VariantClear(value);
    if (self->fault && self->fault->kind == standin_answer) {
        VariantCopy(value, const_cast<VARIANT*>(self->fault->answer.get()));
        state().record({standin_read, self->serial, port, 0, aux_in, value->vt, nullptr});
        return S_OK;
    }
    value->vt = VT_I4;
    value->lVal = state().controller().read_inputs();
    state().record({standin_read, self->serial, port, value->lVal, aux_in, VT_I4, nullptr});
    return S_OK;
}

HRESULT STDMETHODCALLTYPE write_port(port_object* self, LONG port, VARIANT* value, LONG* status) {
    if (value == nullptr || status == nullptr) {
        return E_POINTER;
    }
    if (call_fails(self)) {
        return self->fault->status;
    }
    // The component reads the integer wherever the variant says it is.
    VARIANT as_integer;
    VariantInit(&as_integer);
    if (FAILED(VariantChangeType(&as_integer, value, 0, VT_I4))) {
        return DISP_E_TYPEMISMATCH;
    }
    state().controller().write_outputs(as_integer.lVal);
    const void* address = (value->vt & VT_BYREF) != 0 ? value->byref : nullptr;
    state().record({standin_write, self->serial, port, as_integer.lVal, 0, value->vt, address});
    *status = 0;
    return S_OK;
}

const port_slots slots = {query_interface,  add_ref, release,   get_type_info_count, get_type_info,
                          get_ids_of_names, invoke,  read_port, write_port};

/// The class object COM asks for: makes one port object per CreateInstance.
class port_factory final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives as long as the module
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        *out = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        std::optional<standin_state::fault> fault = state().begin_access();
        if (fault && fault->kind == standin_fail_creation) {
            state().record({standin_creation_failed, 0, 0, 0, 0, 0, nullptr});
            return fault->status;
        }
        auto* object =
            new (std::nothrow) port_object{&slots, 0, state().next_serial(), std::move(fault)};
        if (object == nullptr) {
            return E_OUTOFMEMORY;
        }
        ++state().live_objects;
        state().record({standin_created, object->serial, 0, 0, 0, 0, nullptr});
        add_ref(object);
        const HRESULT status = query_interface(object, iid, out);
        release(object);
        return status;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

port_factory factory;

}  // namespace

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this DLL's own module, as the linker places it

// The COM server's entry points.

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE
    DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!IsEqualCLSID(clsid, class_id)) {
        *out = nullptr;
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    if (state().class_object_refusals > 0) {
        --state().class_object_refusals;
        *out = nullptr;
        state().record({standin_class_object_refused, 0, 0, 0, 0, 0, nullptr});
        return state().class_object_refusal;
    }
    state().record({standin_class_object_given, 0, 0, 0, 0, 0, nullptr});
    return factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return S_FALSE;  // the tests read the record after the objects are gone
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
    wchar_t path[MAX_PATH];
    const DWORD length =
        GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
    const wchar_t model[] = L"Apartment";
    const bool written =
        RegSetKeyValueW(HKEY_CLASSES_ROOT, server_key, nullptr, REG_SZ, path,
                        static_cast<DWORD>((length + 1) * sizeof(wchar_t))) == ERROR_SUCCESS &&
        RegSetKeyValueW(HKEY_CLASSES_ROOT, server_key, L"ThreadingModel", REG_SZ, model,
                        sizeof model) == ERROR_SUCCESS;
    return written ? S_OK : SELFREG_E_CLASS;
}

// What the tests steer and read.

extern "C" __declspec(dllexport) void standin_reset() {
    state().reset();
}

extern "C" __declspec(dllexport) void standin_set_recording(int on) {
    state().set_recording(on != 0);
}

extern "C" __declspec(dllexport) int standin_call_count() {
    return static_cast<int>(state().calls().size());
}

extern "C" __declspec(dllexport) int standin_call_at(int index, standin_call* call) {
    if (index < 0 || static_cast<std::size_t>(index) >= state().calls().size()) {
        return 0;
    }
    *call = state().calls()[static_cast<std::size_t>(index)];
    return 1;
}

extern "C" __declspec(dllexport) void standin_schedule_fault(int accesses_from_now, int kind,
                                                             long status, const VARIANT* answer) {
    state().schedule(accesses_from_now, {kind, status, held_variant(answer)});
}

extern "C" __declspec(dllexport) void standin_set_sighting_button(int active) {
    state().controller().set_sighting_button(active != 0);
}

extern "C" __declspec(dllexport) void standin_set_travel_scale(double scale) {
    state().controller().set_travel_scale(scale);
}

extern "C" __declspec(dllexport) int standin_output_lines() {
    return state().controller().output_lines();
}

extern "C" __declspec(dllexport) void standin_refuse_class_object(int times, long status) {
    state().class_object_refusals = times;
    state().class_object_refusal = status;
}

extern "C" __declspec(dllexport) long long standin_blades_arrival() {
    const auto arrival = state().controller().blades().arrival_time().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(arrival).count();
}

extern "C" __declspec(dllexport) long standin_live_objects() {
    return state().live_objects;
}
