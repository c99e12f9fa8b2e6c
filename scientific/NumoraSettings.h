#pragma once

class CCalculator;
class CZoqSettingsStore;

// The two options that live outside the calculator core: ClearType text quality (the
// display) and the "+/-" key acting as the minus operator (the main window).
class CNumoraOptions {
public:
    int SetClearType(int on);
    int GetClearType() const { return m_clearType; }
    int SetPlusMinus(int asMinus);
    int GetPlusMinus() const { return m_plusMinus; }

private:
    int m_clearType = 1;
    int m_plusMinus = 0;
};

// Reads and writes Numorapad's options and memory registers in the settings store,
// all directly under one key (HKEY_CURRENT_USER\SOFTWARE\Zoq\Numora in the program).
//
// Reading is value by value: a missing value gives its default, and a value of the
// wrong type or size, out of range, or (registers) not a decimal number of at most
// 31 characters is refused while the others are still read.
class CNumoraSettings {
public:
    static constexpr const wchar_t* kDefaultKeyPath = L"SOFTWARE\\Zoq\\Numora";

    explicit CNumoraSettings(CZoqSettingsStore& store) : m_store(store) {}

    // Returns 1 when every value was present and accepted.
    int Load(const wchar_t* keyPath, CCalculator& calculator, CNumoraOptions& options);
    // Returns 1 when every write succeeded. Registers are written as the decimal text
    // they hold ("0" when empty), whatever base is in use.
    int Save(const wchar_t* keyPath, const CCalculator& calculator, const CNumoraOptions& options);

private:
    // The stored value, or the default when it is missing or not a DWORD; 0 in
    // `present` in that case.
    int ReadOption(const wchar_t* keyPath, const wchar_t* name, int defaultValue, int* present);

    CZoqSettingsStore& m_store;
};

// Registry value names of the registers, in register order (1, 2, A..F).
const wchar_t* MemoryValueName(int registerIndex);
