// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/toolkit/control.h"
#include "app/toolkit/fitted_text.h"

namespace tarnivo::tk {

// Text painted on its container. With automatic width, the label takes the width of
// its caption and the height of one line whenever the caption changes; Left and Top stay.
class Label : public Control {
public:
    [[nodiscard]] const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    [[nodiscard]] Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    [[nodiscard]] Colour foreColor() const { return foreColor_; }
    void setForeColor(Colour colour);
    // Repaints the label at once.
    void refresh() const;

    void paint(QPainter& painter) const override;

protected:
    void create(const Design& design) override;

private:
    friend class LabelProbe;  // tests read the caption as drawn
    void fitToCaption();
    // The caption as paint draws it, fitted to the label's width when its design asks.
    [[nodiscard]] FittedText drawnCaption() const;
    [[nodiscard]] FittedText drawnCaption(const QRect& textArea) const;
    [[nodiscard]] static int roomForMarksAbove(const FittedText& shown, const QRect& textArea);
    std::string caption_;
    Colour backColor_ = 0;
    Colour foreColor_ = 0;
};

}  // namespace tarnivo::tk
