#pragma once

// Resource identifiers of the graph window. The resources themselves are in Graph.rc,
// which each program that shows a graph includes in its own resource script:
//
//     #define ZOQ_GRAPH_CAPTION "Zoq Parabix"
//     #include "graph/Graph.rc"
//
// The program's own resources must not use these string and menu identifiers.
// This header is read by the resource compiler too: definitions only.

// Dialog template of the graph window (no controls; the window draws everything).
#define IDD_GRAPH 129

// Menu bar of the graph window, and the menu resource holding its "Mode" pop-up.
#define IDR_GRAPH_MENUBAR 157

// Mode names shown on the graph.
#define IDS_GRAPH_TRANSLATE 151
#define IDS_GRAPH_ZOOM 152
#define IDS_GRAPH_POINT 153
// Menu-bar button texts.
#define IDS_GRAPH_MODE 154
#define IDS_GRAPH_RESET 155
#define IDS_GRAPH_ZOOM_IN 156
#define IDS_GRAPH_ZOOM_OUT 158
// What the analysis found, by EGraphAnalysis (value, zero, minimum, maximum, intersection),
// and what it says when there is none.
#define IDS_GRAPH_FOUND_FIRST 172
#define IDS_GRAPH_FOUND_VALUE 172
#define IDS_GRAPH_FOUND_ZERO 173
#define IDS_GRAPH_FOUND_MINIMUM 174
#define IDS_GRAPH_FOUND_MAXIMUM 175
#define IDS_GRAPH_FOUND_INTERSECTION 176
#define IDS_GRAPH_NONE_FIRST 177
#define IDS_GRAPH_NO_VALUE 177
#define IDS_GRAPH_NO_ZERO 178
#define IDS_GRAPH_NO_MINIMUM 179
#define IDS_GRAPH_NO_MAXIMUM 180
#define IDS_GRAPH_NO_INTERSECTION 181

// The "Value at x" box: the x typed as an expression.
#define IDD_GRAPH_VALUE 131
#define IDC_GRAPH_VALUE_X 1201

// Commands. The three items of the "Mode" pop-up exist in the menu resource but are not
// acted on; the "Mode" button cycles the mode instead.
#define IDM_GRAPH_TRANSLATE 32779
#define IDM_GRAPH_ZOOM 32780
#define IDM_GRAPH_POINT 32781
#define IDM_GRAPH_MODE 32782
#define IDM_GRAPH_ZOOM_OUT 32783
#define IDM_GRAPH_ZOOM_IN 32784
#define IDM_GRAPH_RESET 32785
// The "Analyze" pop-up (the second of IDR_GRAPH_MENUBAR), the point-on-graph mode's
// context menu, in EGraphAnalysis order.
#define IDM_GRAPH_ANALYSIS_FIRST 32901
#define IDM_GRAPH_VALUE 32901
#define IDM_GRAPH_FIND_ZERO 32902
#define IDM_GRAPH_FIND_MINIMUM 32903
#define IDM_GRAPH_FIND_MAXIMUM 32904
#define IDM_GRAPH_FIND_INTERSECTION 32905
