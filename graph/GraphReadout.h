#pragma once

class CGraphView;
class CGraphCurves;

// The point-on-graph read-out: the world x under the stylus, the equation's value there as
// the engine writes it, and where the crosshair goes.
struct SGraphReadout {
    int column = 0;
    int row = 0;
    bool crosshair = false; // the point lies strictly inside the window
    wchar_t xText[64] = {};
    wchar_t yText[64] = {};
};

// Fills readout for the equation in slot at pixel column. Returns 0, filling nothing, when
// the slot is out of range or holds no equation: there is nothing to read out.
int ComputeReadout(const CGraphView& view, const CGraphCurves& curves, int slot, int column,
                   SGraphReadout* readout);
