#include "engine/Numora.h"

#include "engine/ZoqNumoraUtil.h"
#include "ui/ZoqString.h"

#include <cwchar>

namespace {
Numora* g_engine = nullptr;
} // namespace

Numora::Numora() : m_string(*CZoqString::GetInstance()), m_util(*CZoqNumoraUtil::GetInstance()) {}

Numora::~Numora() {
    CZoqNumoraUtil::ReleaseInstance();
}

Numora* Numora::GetInstance() {
    if (!g_engine)
        g_engine = new Numora();
    return g_engine;
}

void Numora::ReleaseInstance() {
    delete g_engine;
    g_engine = nullptr;
}

double Numora::Evaluate(const wchar_t*, wchar_t* output, int, int) {
    if (output)
        std::wcscpy(output, L"syntax error");
    return 0.0;
}

double Numora::Evaluate(const wchar_t* input, wchar_t* output) {
    return Evaluate(input, output, m_base, m_base);
}

int Numora::SetPrecision(int digits) {
    if (digits < 0 || digits > 15)
        return 0;
    m_precision = static_cast<int8_t>(digits);
    return 1;
}

int Numora::SetAngleMode(int mode) {
    if (mode < 0 || mode > 3)
        return 0;
    m_angleMode = mode == 3 ? (m_angleMode + 1) % 3 : mode;
    return 1;
}

int Numora::SetBase(int base) {
    if (base < 2 || base > 36)
        return 0;
    m_base = static_cast<int8_t>(base);
    return 1;
}

int Numora::ConvertAngle(const wchar_t*, wchar_t*) {
    return 0;
}
