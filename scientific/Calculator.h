#pragma once

#include "scientific/AlgebraicMode.h"
#include "scientific/ChainMode.h"
#include "scientific/DalMode.h"
#include "scientific/DisplayContent.h"
#include "scientific/DisplayFormatter.h"
#include "scientific/ExpressionMode.h"
#include "scientific/KeyTables.h"
#include "scientific/RpnMode.h"

enum ECalcMode {
    kModeExpression = 0,
    kModeAlgebraic = 1,
    kModeDal = 2,
    kModeChain = 3,
    kModeRpn = 4,
};
constexpr int kModeCount = 5;

// The calculator core of Numorapad: one entry operation per key category, each
// forwarded to the object of the current entry mode; the keypad layer, the eight
// memory registers and the last answer. All values are texts in the current base;
// memory registers hold decimal text.
//
// Every key operation returns 1 when the key was accepted and 0 when it was refused;
// a refused key changes nothing. The window calls these and paints what
// GetDisplayContent gives; settings go through the setters here, never around them.
class CCalculator {
public:
    CCalculator();
    explicit CCalculator(const CZoqLocale& locale);
    CCalculator(const CCalculator&) = delete;
    CCalculator& operator=(const CCalculator&) = delete;

    // The program's calculator, created on first use with the given locale (a fixed
    // period/comma locale when none is given).
    static CCalculator* GetInstance(const CZoqLocale* locale = nullptr);
    static void ReleaseInstance();

    // The eleven key categories.
    int PressKey(EKeyCategory category, int index);
    int DigitKey(int index);
    int OperatorKey(int index);
    int FunctionKey(int index);
    int ParenthesisKey(int index);
    int MemoryKey(int registerIndex);
    int EqualsKey(int index);
    int ConstantKey(int index);
    int LayerKey(int key);
    int ClearKey(int kind);
    // Clipboard keys carry an action, the key's index in its category.
    enum EClipboardAction { kCopyAnswer = 0, kCopyEquation = 1, kPaste = 2 };
    int ClipboardKey(int action);
    int BaseKey(int base);
    // Arrow keys by virtual-key code: 38 (up) and 40 (down) move through the
    // Expression mode's history; only in the Expression mode.
    int ArrowKey(int virtualKey);

    // Everything the display shows: the number, the line, the indicators. 0 only
    // when out is null.
    int GetDisplayContent(SDisplayContent* out) const;
    // What the number display shows: the current mode's value shaped by the formatter
    // in base 10, shown as it is (or "Display too large") in other bases.
    int GetDisplay(SDisplayText* out) const;
    // The current mode's value as text, unformatted.
    int GetDisplayValue(wchar_t* out, int capacity) const;
    // The expression line (Expression mode) or the operator indicator.
    int GetSecondaryText(wchar_t* out, int capacity) const;

    int GetLayer() const { return m_layer; }
    int GetCalcMode() const { return m_mode; }
    int SetCalcMode(int mode);
    CExpressionMode& CurrentMode() { return *m_modes[m_mode]; }
    const CExpressionMode& CurrentMode() const { return *m_modes[m_mode]; }
    // The object of entry mode 0..4; null for any other index.
    const CExpressionMode* Mode(int mode) const;
    CRpnMode& GetRpnMode() { return m_rpn; }
    const CRpnMode& GetRpnMode() const { return m_rpn; }
    // The Expression mode's history, whichever mode is in use.
    const CExpressionHistory& GetHistory() const { return m_expression.GetHistory(); }
    CExpressionHistory& EditHistory() { return m_expression.EditHistory(); }
    const wchar_t* GetLastAnswer() const { return m_lastAnswer.Get(); }
    // Read-only: notation, separator and width are set through the calculator.
    const CDisplayFormatter& GetFormatter() const { return m_formatter; }

    // The `Notation` setting, 0..3 (ENotation); anything else is refused.
    int SetNotation(int notation) { return m_formatter.SetNotation(notation); }
    int GetNotation() const { return m_formatter.GetNotation(); }
    // The `Seperator` setting: 0 period, 1 comma and regional grouping.
    int SetSeparator(int separator) { return m_formatter.SetSeparator(separator); }
    int GetSeparator() const { return m_formatter.GetSeparator(); }
    // Characters of the number display (CDisplayFormatter::kMinWidth..kMaxWidth).
    int SetDisplayWidth(int width) { return m_formatter.SetWidth(width); }
    int GetDisplayWidth() const { return m_formatter.GetWidth(); }

    // The engine's base (2..16 here) and word size (4..48).
    int GetBase() const;
    int SetBase(int base) { return BaseKey(base); }
    int GetBaseBits() const;
    int SetBaseBits(int bits);
    int GetRpnDepth() const { return m_rpn.GetDepth(); }
    int SetRpnDepth(int depth) { return m_rpn.SetDepth(depth); }

    // Memory operations on register 0..7 with the value currently shown.
    int StoreMemory(int registerIndex);
    int RecallMemory(int registerIndex);
    int AddToMemory(int registerIndex);
    int SubtractFromMemory(int registerIndex);
    int MemoryInUse(int registerIndex) const;
    // The decimal text a register holds (empty means 0); null outside 0..7.
    const wchar_t* GetMemory(int registerIndex) const;
    // Sets a register to decimal text: empty, or a number of at most 31 characters.
    int SetMemory(int registerIndex, const wchar_t* decimalText);
    // Register k written in the current base, "0" when empty.
    int GetMemoryInBase(int registerIndex, wchar_t* out, int capacity) const;
    // "1: …\n2: …\nA: …" with every register in the current base, for the Memory box.
    int GetMemoryView(wchar_t* out, int capacity) const;

    // The window that owns what the calculator puts on the clipboard.
    void SetClipboardOwner(void* owner) { m_clipboardOwner = owner; }

private:
    void SetNormalLayer() { m_layer = kLayerNormal; }
    void RememberAnswer();
    // Converts a value text between bases; 0 for an error text.
    static int ConvertValue(const wchar_t* value, int fromBase, int toBase, wchar_t* out,
                            int capacity);
    int MemoryArithmetic(int registerIndex, wchar_t op);

    CDisplayFormatter m_formatter;
    CExpressionMode m_expression;
    CAlgebraicMode m_algebraic;
    CDalMode m_dal;
    CChainMode m_chain;
    CRpnMode m_rpn;
    CExpressionMode* m_modes[kModeCount];
    int m_mode = kModeChain;
    int m_layer = kLayerNormal;
    CFixedText<kRegisterCapacity> m_memories[kRegisterCount];
    CFixedText<kValueCapacity> m_lastAnswer;
    void* m_clipboardOwner = nullptr;
};
