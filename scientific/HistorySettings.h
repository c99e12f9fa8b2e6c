#pragma once

#include <string>

class CExpressionHistory;
class CZoqSettingsStore;

// The Expression mode's history kept with Numorapad's settings, so that it lasts across
// restarts: entry n (1 = oldest) as the string values HistoryExpressionNN and
// HistoryResultNN directly under the program's key.

// Writes every entry and removes the values of entries beyond the current count.
// Returns 1 when every write succeeded.
int SaveHistory(CZoqSettingsStore& store, const wchar_t* keyPath,
                const CExpressionHistory& history);

// Replaces the history by the stored entries, oldest first. Each entry is checked on its
// own: one that is missing a value, holds another type, is too long for the history, is
// empty or holds control characters is skipped and the others are still read. Returns
// the number of entries restored.
int LoadHistory(CZoqSettingsStore& store, const wchar_t* keyPath, CExpressionHistory& history);

// The whole history as "expression = result" lines, oldest first, separated by CR LF
// (the clipboard's line end); empty when there is none.
std::wstring HistoryText(const CExpressionHistory& history);
