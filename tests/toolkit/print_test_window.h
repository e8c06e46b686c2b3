// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include "app/toolkit/command_button.h"
#include "app/toolkit/label.h"
#include "app/toolkit/window.h"

namespace tarnivo::testing {

// A record-like window: white, a bordered title, a green mark, a hidden red label that
// must not be printed, and a grey band along the bottom with a button on it.
class PrintTestWindow : public tk::Window {
public:
    static constexpr float Width = 9000;
    static constexpr float Height = 6000;

    PrintTestWindow();
    void closeRequested() override;

    tk::CommandButton cmdPrintIt;
    tk::Label lblTitle;
    tk::Label lblMark;
    tk::Label lblHidden;
    tk::Label lblBand;
};

// Finds the print test window on a page, by its grey band, and checks that the page
// shows it whole: upright on portrait paper, in proportion, at the top, centred across,
// as wide as the page allows, every visible control in its place and the hidden one left out.
void expectPageShowsPrintTestWindow(const QImage& page, const PrintTestWindow& shown);

}  // namespace tarnivo::testing
