#pragma once

#include "scientific/DalMode.h"

// The Chain (Simple) entry mode: every operator first evaluates what is pending, so
// operations run strictly left to right (2 + 3 × 4 = 20), and a repeated "=" repeats
// the last operation (2 + 3 = = shows 5, then 8).
class CChainMode : public CDalMode {
public:
    int OperatorKey(int index) override;
    int EqualsKey(int index) override;
    int ParenthesisKey(int index) override;
    void ClearEverything() override;

protected:
    int IsImmediateFunction(int index) const override;
    int SetsStateAfterAngleOrPercent() const override { return 0; }
    int AcceptsCloseInState(int state) const override;

private:
    wchar_t m_repeatOperator = 0;
    CFixedText<kValueCapacity> m_repeatOperand;
};
