#include "controls/drawn_button_layout.h"

namespace controls {

namespace {

bool isBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Centres the measured caption in what the picture leaves free.
Rect centreCaption(const LayoutInput& in, Rect r) {
    int freeWidth = in.width - r.right;
    if (in.picturePosition == 1) freeWidth -= in.pictureWidth + 4;
    int freeHeight = in.height - r.bottom;
    if (in.picturePosition == 3) freeHeight -= in.pictureHeight + 4;
    return r.offset(freeWidth / 2, freeHeight / 2);
}

Rect pictureRectFor(const LayoutInput& in, const Rect& caption) {
    const int pw = in.pictureWidth, ph = in.pictureHeight;
    int left = (in.width - pw) / 2, top = (in.height - ph) / 2;
    // The picture-only style draws no caption, so its picture takes the middle.
    if (!isBlank(in.caption) && in.buttonType != 10) {
        switch (in.picturePosition) {
            case 0: left = caption.left - 4 - pw; break;
            case 1: left = caption.right + 4; break;
            case 2: top = caption.top - 2 - ph; break;
            case 3: top = caption.bottom + 2; break;
            default: break;
        }
    }
    return {left, top, left + pw, top + ph};
}

}  // namespace

Rect focusRectFor(int buttonType, int width, int height) {
    const Rect client{0, 0, width, height};
    if (buttonType >= 7 && buttonType <= 13) return client.inflate(-3);
    if (buttonType == 14) return client.inflate(-5).offset(1, 1);
    return client.inflate(-4);
}

Rect captionAreaFor(const LayoutInput& in) {
    Rect area{1, 1, in.width - 2, in.height - 2};
    switch (in.picturePosition) {
        case 0: area.left = in.pictureWidth + 1; break;
        case 1: area.right = in.width - in.pictureWidth - 2; break;
        case 2: area.top = in.pictureHeight + 1; break;
        case 3: area.bottom = in.height - in.pictureHeight - 2; break;
        default: break;
    }
    return area;
}

namespace {

bool fits(const Rect& measured, const Rect& area) {
    return measured.right <= area.right && measured.bottom <= area.bottom;
}

}  // namespace

// Cut at the end rather than centred past both edges; an "&" left last would mark the dots.
std::string fitCaption(const std::string& caption, const Rect& area, const Font& font,
                       const TextMeasurer& measurer) {
    if (caption.empty() || area.right <= area.left || fits(measurer.measureText(caption, area, font), area))
        return caption;
    for (std::size_t length = caption.size() - 1; length > 0; --length) {
        std::string shown = caption.substr(0, length);
        while (!shown.empty() && (shown.back() == ' ' || shown.back() == '&')) shown.pop_back();
        if (shown.empty()) continue;
        shown += "...";
        if (fits(measurer.measureText(shown, area, font), area)) return shown;
    }
    return "...";
}

ButtonLayout computeLayout(const LayoutInput& in, const TextMeasurer& measurer) {
    ButtonLayout out;
    out.focus = focusRectFor(in.buttonType, in.width, in.height);
    const Rect area = captionAreaFor(in);
    out.shownCaption = fitCaption(in.caption, area, in.font, measurer);
    out.caption = centreCaption(in, measurer.measureText(out.shownCaption, area, in.font));
    out.captionDown = out.caption.offset(1, 1);
    out.picture = pictureRectFor(in, out.caption);
    return out;
}

}  // namespace controls
