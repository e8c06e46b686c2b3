// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPointF>
#include <memory>
#include <vector>

#include "app/toolkit/page_text.h"

class QPainter;
class QPaintDevice;
class QTextLayout;

namespace tarnivo::tk {

// PageText laid out for one paint device at one type size, then split into pages: lines
// of a paragraph may fall on different pages, a table row never does, and a page the
// table continues on starts with its header row.
class PageTextLayout {
public:
    PageTextLayout(const PageText& text, const QFont& font, const QPaintDevice& device, qreal width);
    ~PageTextLayout();
    PageTextLayout(const PageTextLayout&) = delete;
    PageTextLayout& operator=(const PageTextLayout&) = delete;

    // Places the text on pages, the first with firstSpace of height free, every further
    // one with pageSpace; returns how many pages it takes (0 for no text).
    int paginate(qreal firstSpace, qreal pageSpace);
    [[nodiscard]] int pageCount() const { return pages_; }
    // Draws what paginate put on the page (counted from 0), with the top left at origin.
    void paintPage(QPainter& painter, int page, QPointF origin) const;

private:
    struct Piece {
        const QTextLayout* layout;
        int line;  // one line of a paragraph, or -1 for a whole cell
        qreal x;
    };
    struct Block {
        std::vector<Piece> pieces;
        qreal height = 0;
        qreal spaceAfter = 0;
        bool tableRow = false;
        bool header = false;
        bool shaded = false;
    };
    struct Placed {
        const Block* block;
        int page;
        qreal y;
    };

    [[nodiscard]] std::unique_ptr<QTextLayout> layOut(const TextSpan& span, qreal width, bool bold) const;
    const QTextLayout& lay(const TextSpan& span, qreal width, bool bold);
    void addRow(const std::vector<TextSpan>& cells, const std::vector<qreal>& columns, bool header);
    std::vector<qreal> columnWidths(const PageText& text, qreal width);

    QFont font_;
    const QPaintDevice& device_;
    qreal width_;
    qreal gap_;
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    std::vector<Block> blocks_;
    Block header_;
    std::vector<Placed> placed_;
    int pages_ = 0;
};

}  // namespace tarnivo::tk
