#pragma once

#include <windows.h>
#include <wincodec.h>

// The imaging component for the length of a scope: COM initialised for the thread
// (balanced on exit) and one imaging factory.
class CZoqWic {
public:
    CZoqWic();
    ~CZoqWic();
    CZoqWic(const CZoqWic&) = delete;
    CZoqWic& operator=(const CZoqWic&) = delete;

    // Null when the imaging component is not available.
    IWICImagingFactory* Factory() const { return m_factory; }

private:
    bool m_uninitialize;
    IWICImagingFactory* m_factory;
};

// Releases a COM interface at scope end.
template <class TInterface> class CZoqComPtr {
public:
    CZoqComPtr() : m_pointer(nullptr) {}
    ~CZoqComPtr() {
        if (m_pointer)
            m_pointer->Release();
    }
    CZoqComPtr(const CZoqComPtr&) = delete;
    CZoqComPtr& operator=(const CZoqComPtr&) = delete;

    TInterface* Get() const { return m_pointer; }
    TInterface* operator->() const { return m_pointer; }
    TInterface** Out() { return &m_pointer; }

private:
    TInterface* m_pointer;
};
