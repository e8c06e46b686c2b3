// SPDX-License-Identifier: MIT
#include "app/toolkit/page_text_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <numeric>

#include "app/toolkit/qt_bridge.h"

namespace tarnivo::tk {

namespace {
// Marked text is dark enough to read on any printer and bold, so it stands out in grey too.
const QColor MarkedColour(0xA0, 0x00, 0x00);
// The columns before the last take at most this share of the width; the last, with the
// most text, wraps in the rest.
constexpr qreal NarrowColumnsShare = 0.6;
constexpr qreal Unbounded = 1e9;
const QColor RowShade(0xF0, 0xF0, 0xF0);
}  // namespace

PageTextLayout::PageTextLayout(const PageText& text, const QFont& font, const QPaintDevice& device, qreal width)
    : font_(font, &device), device_(device), width_(width), gap_(QFontMetricsF(font_, &device).height()) {
    for (const TextSpan& paragraph : text.paragraphs) {
        const QTextLayout& layout = lay(paragraph, width, false);
        for (int line = 0; line < layout.lineCount(); ++line) {
            blocks_.push_back({{{&layout, line, 0}}, layout.lineAt(line).height(), 0, false, false});
        }
        if (!blocks_.empty()) blocks_.back().spaceAfter = gap_ / 4;
    }
    if (text.tableRows.empty()) return;
    const std::vector<qreal> columns = columnWidths(text, width);
    addRow(text.tableHeader, columns, true);
    header_ = blocks_.back();
    blocks_.pop_back();
    for (const std::vector<TextSpan>& row : text.tableRows) {
        addRow(row, columns, false);
        // Every other row on a light grey band, so that the eye keeps to a long row.
        blocks_.back().shaded = text.tableRows.size() > 2 && (&row - text.tableRows.data()) % 2 == 1;
    }
}

PageTextLayout::~PageTextLayout() = default;

std::unique_ptr<QTextLayout> PageTextLayout::layOut(const TextSpan& span, qreal width, bool bold) const {
    QString text;
    QList<QTextLayout::FormatRange> formats;
    for (const TextRun& run : span) {
        const QString piece = toQString(run.text);
        if (run.marked) {
            QTextCharFormat format;
            format.setForeground(MarkedColour);
            format.setFontWeight(QFont::Bold);
            formats.append({static_cast<int>(text.size()), static_cast<int>(piece.size()), format});
        }
        text += piece;
    }
    QFont font = font_;
    font.setBold(bold);
    auto layout = std::make_unique<QTextLayout>(text, font, &device_);
    QTextOption option;
    // A long number or name without blanks still breaks at the edge instead of running off it.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setFormats(formats);
    layout->beginLayout();
    qreal y = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

const QTextLayout& PageTextLayout::lay(const TextSpan& span, qreal width, bool bold) {
    return *layouts_.emplace_back(layOut(span, width, bold));
}

std::vector<qreal> PageTextLayout::columnWidths(const PageText& text, qreal width) {
    std::size_t count = text.tableHeader.size();
    for (const auto& row : text.tableRows) count = std::max(count, row.size());
    std::vector<qreal> columns(count, 0);
    const auto measure = [&](const std::vector<TextSpan>& row, bool bold) {
        for (std::size_t column = 0; column + 1 < row.size(); ++column) {
            const qreal natural = layOut(row[column], Unbounded, bold)->maximumWidth();
            columns[column] = std::max(columns[column], natural);
        }
    };
    measure(text.tableHeader, true);
    for (const auto& row : text.tableRows) measure(row, false);
    if (count == 0) return columns;
    const qreal gaps = gap_ * static_cast<qreal>(count - 1);
    const qreal narrow = std::accumulate(columns.begin(), columns.end() - 1, 0.0);
    const qreal allowed = std::max(0.0, width * NarrowColumnsShare - gaps);
    if (narrow > allowed && narrow > 0) {
        for (qreal& column : columns) column *= allowed / narrow;
    }
    columns.back() = std::max(gap_, width - gaps - std::min(narrow, allowed));
    return columns;
}

void PageTextLayout::addRow(const std::vector<TextSpan>& cells, const std::vector<qreal>& columns, bool header) {
    Block row;
    row.tableRow = true;
    row.header = header;
    qreal x = 0;
    for (std::size_t column = 0; column < cells.size() && column < columns.size(); ++column) {
        const QTextLayout& layout = lay(cells[column], columns[column], header);
        row.pieces.push_back({&layout, -1, x});
        row.height = std::max(row.height, layout.boundingRect().height());
        x += columns[column] + gap_;
    }
    if (header) row.spaceAfter = gap_ / 4;
    blocks_.push_back(std::move(row));
}

int PageTextLayout::paginate(qreal firstSpace, qreal pageSpace) {
    placed_.clear();
    pages_ = 0;
    if (blocks_.empty()) return 0;
    int page = 0;
    qreal y = 0;
    qreal space = firstSpace;
    bool headerOnPage = false;
    for (const Block& block : blocks_) {
        const qreal needed = block.height + (block.tableRow && !headerOnPage ? header_.height + header_.spaceAfter : 0);
        // A block taller than a whole page gets a page of its own rather than none.
        if (y > 0 && y + needed > space) {
            ++page;
            y = 0;
            space = pageSpace;
            headerOnPage = false;
        } else if (y == 0 && needed > space && page == 0) {
            page = 1;
            space = pageSpace;
        }
        if (block.tableRow && !headerOnPage) {
            placed_.push_back({&header_, page, y});
            y += header_.height + header_.spaceAfter;
            headerOnPage = true;
        }
        placed_.push_back({&block, page, y});
        y += block.height + block.spaceAfter;
    }
    pages_ = page + 1;
    return pages_;
}

void PageTextLayout::paintPage(QPainter& painter, int page, QPointF origin) const {
    painter.save();
    painter.setPen(Qt::black);
    for (const Placed& placed : placed_) {
        if (placed.page != page) continue;
        const QPointF top = origin + QPointF(0, placed.y);
        if (placed.block->shaded) painter.fillRect(QRectF(top, QSizeF(width_, placed.block->height)), RowShade);
        for (const Piece& piece : placed.block->pieces) {
            if (piece.line < 0) {
                piece.layout->draw(&painter, top + QPointF(piece.x, 0));
            } else {
                const QTextLine line = piece.layout->lineAt(piece.line);
                line.draw(&painter, top + QPointF(piece.x, -line.y()));
            }
        }
        if (placed.block->header) {
            const qreal rule = placed.y + placed.block->height + placed.block->spaceAfter / 2;
            painter.drawLine(origin + QPointF(0, rule), origin + QPointF(width_, rule));
        }
    }
    painter.restore();
}

}  // namespace tarnivo::tk
