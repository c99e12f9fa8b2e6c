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

// Commands. The three items of the "Mode" pop-up exist in the menu resource but are not
// acted on; the "Mode" button cycles the mode instead.
#define IDM_GRAPH_TRANSLATE 32779
#define IDM_GRAPH_ZOOM 32780
#define IDM_GRAPH_POINT 32781
#define IDM_GRAPH_MODE 32782
#define IDM_GRAPH_ZOOM_OUT 32783
#define IDM_GRAPH_ZOOM_IN 32784
#define IDM_GRAPH_RESET 32785
