#include "ui/ZoqDynBtn.h"

#include "ce/ZoqTransparent.h"
#include "ce/ZoqGdiScope.h"
#include "ui/ZoqString.h"

namespace {

const UINT kLabelFormat = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

SIZE Measure(HDC dc, const wchar_t* text, HFONT font) {
    SIZE size = {0, 0};
    if (!text || !*text)
        return size;
    CZoqSelection selected(dc, font);
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    return size;
}

} // namespace

CZoqDynBtn::CZoqDynBtn()
    : toggle(0), disabled(0), textColour(RGB(0, 0, 0)), shadowColour(RGB(255, 255, 255)), shadow(0),
      rect(), faceColour(RGB(192, 192, 192)), pressedColour(RGB(128, 128, 128)),
      outlineColour(RGB(0, 0, 0)), extraColour(CZoqGDI::kTransparent),
      m_string(CZoqString::GetInstance()), m_label(nullptr), m_faceSource(nullptr),
      m_disabledFace(nullptr), m_style(kFlat), m_pressed(0), m_message(0), m_target(nullptr),
      m_parameter(0) {}

CZoqDynBtn::~CZoqDynBtn() {
    delete m_disabledFace;
    m_string->Free(&m_label);
}

int CZoqDynBtn::Create(int left, int top, int right, int bottom, const wchar_t* label, HWND target,
                       UINT message, WPARAM parameter, int style, CZoqDynBtn* faceSource) {
    if (!SetText(label))
        return 0;
    SetRect(&rect, left, top, right, bottom);
    m_target = target;
    m_message = message;
    m_parameter = parameter;
    m_style = style;
    m_pressed = 0;
    // Only a button's own faces are shared, never a borrowed set.
    m_faceSource = faceSource == this ? nullptr : faceSource;
    delete m_disabledFace;
    m_disabledFace = nullptr;
    if (m_faceSource) {
        m_faces.Destroy();
        return 1;
    }
    // A button without area has no faces to render; it still exists.
    RenderFaces();
    return 1;
}

int CZoqDynBtn::SetText(const wchar_t* label) {
    if (m_string->IsEmpty(label))
        return 0;
    wchar_t* copy = m_string->Duplicate(label);
    if (!copy)
        return 0;
    m_string->Free(&m_label);
    m_label = copy;
    return 1;
}

void CZoqDynBtn::SetColours(COLORREF face, COLORREF pressed, COLORREF outline, COLORREF extra) {
    faceColour = face;
    pressedColour = pressed;
    outlineColour = outline;
    extraColour = extra;
}

int CZoqDynBtn::Draw(HFONT font, HDC dc, const wchar_t* secondText, HFONT secondFont) {
    if (!dc || Width() <= 0 || Height() <= 0)
        return 0;
    if (disabled)
        return DrawDisabled(dc, font, secondText, secondFont);
    const CZoqGDI& faces = Faces();
    if (!faces.IsEmpty()) {
        int faceWidth = faces.Width() / 2;
        TransparentImage(dc, rect.left, rect.top, Width(), Height(), faces.DC(),
                         m_pressed ? faceWidth : 0, 0, faceWidth, faces.Height(),
                         CZoqGDI::kTransparent);
    }
    DrawLabel(dc, rect, font, secondText, secondFont);
    return 1;
}

int CZoqDynBtn::DrawDisabled(HDC dc, HFONT font, const wchar_t* secondText, HFONT secondFont) {
    const int width = Width();
    const int height = Height();
    if (!m_disabledFace)
        m_disabledFace = new CZoqGDI;
    if (m_disabledFace->Width() != width || m_disabledFace->Height() != height) {
        CZoqWindowDC screen(nullptr);
        if (!m_disabledFace->CreateSized(screen.Get(), width, height,
                                         CZoqGDI::kDeviceIndependent | CZoqGDI::kFillTransparent))
            return 0;
    }
    RECT local = {0, 0, width, height};
    CZoqGDI::FillSolid(m_disabledFace->DC(), local, CZoqGDI::kTransparent);
    const CZoqGDI& faces = Faces();
    if (!faces.IsEmpty()) {
        int faceWidth = faces.Width() / 2;
        TransparentImage(m_disabledFace->DC(), 0, 0, width, height, faces.DC(),
                         m_pressed ? faceWidth : 0, 0, faceWidth, faces.Height(),
                         CZoqGDI::kTransparent);
    }
    DrawLabel(m_disabledFace->DC(), local, font, secondText, secondFont);
    CZoqGDI::TintTowards(m_disabledFace->Bits(), height, m_disabledFace->Stride(), local,
                         kDisabledTint, kDisabledAmount);
    TransparentImage(dc, rect.left, rect.top, width, height, m_disabledFace->DC(), 0, 0, width,
                     height, CZoqGDI::kTransparent);
    return 1;
}

void CZoqDynBtn::DrawLabel(HDC dc, const RECT& box, HFONT font, const wchar_t* secondText,
                           HFONT secondFont) const {
    const bool hasSecond = secondText && *secondText;
    if (!secondFont)
        secondFont = font;
    SIZE label = Measure(dc, m_label, font);
    SIZE second = hasSecond ? Measure(dc, secondText, secondFont) : SIZE{0, 0};
    int x = box.left + (box.right - box.left - label.cx - second.cx) / 2;
    int y = box.top + (box.bottom - box.top - label.cy) / 2;
    if (m_pressed) {
        ++x;
        ++y;
    }
    RECT labelBox = {x, y, x + label.cx, y + label.cy};
    RECT secondBox = {0, 0, 0, 0};
    if (hasSecond) {
        // The second text stands raised after the label, like an exponent.
        int drop = second.cy / 3 - label.cy / 6;
        int secondBottom = y + label.cy + drop - label.cy / 3;
        OffsetRect(&labelBox, 0, drop);
        SetRect(&secondBox, labelBox.right, secondBottom - second.cy, labelBox.right + second.cx,
                secondBottom);
    }
    const int passes = shadow ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        COLORREF colour = pass == 0 ? textColour : shadowColour;
        RECT labelAt = labelBox;
        RECT secondAt = secondBox;
        if (pass == 1) {
            OffsetRect(&labelAt, 1, -1);
            OffsetRect(&secondAt, 1, -1);
        }
        CZoqGDI::DrawTextIn(dc, m_label, labelAt, kLabelFormat, font, colour, TRANSPARENT);
        if (hasSecond)
            CZoqGDI::DrawTextIn(dc, secondText, secondAt, kLabelFormat, secondFont, colour,
                                TRANSPARENT);
    }
}

int CZoqDynBtn::OnLButtonDown(POINT point) {
    if (disabled || !Contains(point))
        return 0;
    if (toggle) {
        Post();
        m_pressed = !m_pressed;
    } else {
        m_pressed = 1;
    }
    Invalidate();
    return 1;
}

int CZoqDynBtn::OnLButtonUp(POINT point) {
    if (!m_pressed || toggle)
        return 0;
    m_pressed = 0;
    Invalidate();
    // A button disabled while held is released without firing.
    if (disabled || !Contains(point))
        return 0;
    Post();
    return 1;
}

int CZoqDynBtn::OnMouseMove(POINT point) {
    if (!m_pressed || toggle || disabled || Contains(point))
        return 0;
    m_pressed = 0;
    Invalidate();
    return 1;
}

void CZoqDynBtn::Invalidate() const {
    if (m_target)
        InvalidateRect(m_target, &rect, FALSE);
}

void CZoqDynBtn::Post() const {
    if (m_target)
        PostMessageW(m_target, m_message, m_parameter, 0);
}

int CZoqDynBtn::Contains(POINT point) const {
    return PtInRect(&rect, point) ? 1 : 0;
}
