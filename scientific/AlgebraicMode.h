#pragma once

#include "scientific/DalMode.h"

// The Algebraic entry mode: every function key acts at once on X ("2 cos" is cos(2)),
// and an operator may follow a function.
class CAlgebraicMode : public CDalMode {
public:
    int OperatorKey(int index) override;

protected:
    int IsImmediateFunction(int index) const override;
    int SetsStateAfterAngleOrPercent() const override { return 0; }
};
