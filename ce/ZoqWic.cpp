#include "ce/ZoqWic.h"

CZoqWic::CZoqWic() : m_uninitialize(false), m_factory(nullptr) {
    HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE (already initialised) must be balanced too; a thread in the other
    // apartment model can still use the factory.
    m_uninitialize = SUCCEEDED(initialized);
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&m_factory))))
        m_factory = nullptr;
}

CZoqWic::~CZoqWic() {
    if (m_factory)
        m_factory->Release();
    if (m_uninitialize)
        CoUninitialize();
}
