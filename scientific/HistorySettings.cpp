#include "scientific/HistorySettings.h"

#include "scientific/ExpressionHistory.h"
#include "ui/ZoqSettingsStore.h"

namespace {

constexpr int kNameCapacity = 32;

void ValueName(const wchar_t* prefix, int entry, wchar_t* name) {
    int length = 0;
    while (prefix[length] && length < kNameCapacity - 3) {
        name[length] = prefix[length];
        ++length;
    }
    name[length++] = static_cast<wchar_t>(L'0' + entry / 10);
    name[length++] = static_cast<wchar_t>(L'0' + entry % 10);
    name[length] = 0;
}

// A kept text is a line of the display: neither empty nor holding control characters
// (which no key types, and which would break the lines of the copied history).
bool IsPlainText(const wchar_t* text) {
    if (!text[0]) {
        return false;
    }
    for (; *text; ++text) {
        if (*text < 0x20 || *text == 0x7F) {
            return false;
        }
    }
    return true;
}

} // namespace

int SaveHistory(CZoqSettingsStore& store, const wchar_t* keyPath,
                const CExpressionHistory& history) {
    int ok = 1;
    wchar_t expressionName[kNameCapacity];
    wchar_t resultName[kNameCapacity];
    for (int i = 0; i < CExpressionHistory::kEntries; ++i) {
        ValueName(L"HistoryExpression", i + 1, expressionName);
        ValueName(L"HistoryResult", i + 1, resultName);
        if (i < history.Count()) {
            const CExpressionHistory::SEntry& entry = history.At(i);
            ok &= store.WriteString(keyPath, expressionName, entry.expression.Get()) ? 1 : 0;
            ok &= store.WriteString(keyPath, resultName, entry.result.Get()) ? 1 : 0;
        } else {
            // A missing value is no failure: the history was shorter before as well.
            store.DeleteValue(keyPath, expressionName);
            store.DeleteValue(keyPath, resultName);
        }
    }
    return ok;
}

int LoadHistory(CZoqSettingsStore& store, const wchar_t* keyPath, CExpressionHistory& history) {
    history.Clear();
    wchar_t expressionName[kNameCapacity];
    wchar_t resultName[kNameCapacity];
    wchar_t expression[kLineCapacity];
    wchar_t result[kValueCapacity];
    int restored = 0;
    for (int i = 0; i < CExpressionHistory::kEntries; ++i) {
        ValueName(L"HistoryExpression", i + 1, expressionName);
        ValueName(L"HistoryResult", i + 1, resultName);
        if (store.ReadString(keyPath, expressionName, expression, kLineCapacity) &&
            store.ReadString(keyPath, resultName, result, kValueCapacity) &&
            IsPlainText(expression) && IsPlainText(result)) {
            restored += history.Restore(expression, result);
        }
    }
    return restored;
}

std::wstring HistoryText(const CExpressionHistory& history) {
    std::wstring text;
    for (int i = 0; i < history.Count(); ++i) {
        if (i > 0) {
            text += L"\r\n";
        }
        text += history.At(i).expression.Get();
        text += L" = ";
        text += history.At(i).result.Get();
    }
    return text;
}
