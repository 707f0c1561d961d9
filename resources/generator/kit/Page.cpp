// The page layout: inline markup, text blocks, lists, tables, boxes, columns and the overflow
// check of a page.

#include "kit/Page.h"

#include "kit/Draw.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace zuvgen {

qreal fittedBodySize(int width, int height, qreal screenPixels) {
    const qreal fit = std::min(1900.0 / width, 900.0 / height);
    return std::max<qreal>(12.0, screenPixels / fit);
}

namespace {

// Splits inline markup into plain text and format ranges.
struct Marked {
    QString text;
    QList<QTextLayout::FormatRange> formats;
};

Marked parseMarkup(const QString& source, const QFont& base) {
    Marked out;
    bool bold = false, italic = false, mono = false;
    int runStart = 0;
    auto closeRun = [&] {
        const int end = out.text.size();
        if (end > runStart && (bold || italic || mono)) {
            QTextLayout::FormatRange range;
            range.start = runStart;
            range.length = end - runStart;
            QFont f = base;
            if (mono) {
                f.setFamily(familyName(Family::Mono));
                f.setPixelSize(std::max(1, int(std::lround(base.pixelSize() * 0.92))));
            }
            if (bold) f.setBold(true);
            if (italic) f.setItalic(true);
            range.format.setFont(f);
            out.formats.append(range);
        }
        runStart = end;
    };
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('\\') && i + 1 < source.size()) {
            out.text.append(source.at(++i));
        } else if (c == QLatin1Char('*') && i + 1 < source.size() && source.at(i + 1) == QLatin1Char('*')) {
            closeRun();
            bold = !bold;
            ++i;
        } else if (c == QLatin1Char('*')) {
            closeRun();
            italic = !italic;
        } else if (c == QLatin1Char('`')) {
            closeRun();
            mono = !mono;
        } else if (c == QLatin1Char('\n')) {
            out.text.append(QChar::LineSeparator);
        } else {
            out.text.append(c);
        }
    }
    closeRun();
    return out;
}

}  // namespace

Page::Page(const QString& catalogueName) : name_(catalogueName) {
    image_ = QImage(catalogueSize(catalogueName), QImage::Format_ARGB32_Premultiplied);
    image_.fill(pagePalette().paper);
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setBodySize(fittedBodySize(image_.width(), image_.height()));
}

Page::~Page() {
    if (painter_ && painter_->isActive()) painter_->end();
}

void Page::setBodySize(qreal pixels) {
    u_ = pixels;
    footerHeight_ = 2.0 * u_;
    if (!customMargins_) {
        const qreal m = std::max(2.2 * u_, 0.04 * std::min(width(), height()));
        marginL_ = marginR_ = marginT_ = marginB_ = m;
    }
    frames_.clear();
    frames_.push_back({QRectF(marginL_, marginT_, width() - marginL_ - marginR_, bottom() - marginT_), marginT_});
    lowest_ = marginT_;
}

void Page::setMargins(qreal left, qreal top, qreal right, qreal bottom) {
    customMargins_ = true;
    marginL_ = left;
    marginT_ = top;
    marginR_ = right;
    marginB_ = bottom;
    setBodySize(u_);
}

QRectF Page::frame() const { return cur().rect; }
qreal Page::y() const { return cur().y; }
void Page::setY(qreal y) { advance(y); }
void Page::skip(qreal em) { advance(y() + em * u_); }
qreal Page::bottom() const { return height() - marginB_ - footerHeight_; }

void Page::advance(qreal to) {
    cur().y = to;
    if (!measuring()) lowest_ = std::max(lowest_, to);
}

qreal Page::layoutBlock(const QString& text, const QFont& font, const QPointF& topLeft, qreal width,
                        Qt::Alignment align, const QColor& color, qreal lineSpacing, bool paint) const {
    const Marked marked = parseMarkup(text, font);
    QTextLayout layout(marked.text, font, &image_);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setAlignment(align);
    layout.setTextOption(option);
    layout.setFormats(marked.formats);
    layout.setCacheEnabled(true);
    const qreal lineStep = font.pixelSize() * lineSpacing;
    qreal y = 0;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        // Centre the glyph box in a fixed line step so that mixed fonts keep an even rhythm.
        line.setPosition(QPointF(0, y + (lineStep - line.height()) / 2));
        y += std::max(lineStep, line.height());
        ++lines;
    }
    layout.endLayout();
    if (paint && lines > 0) {
        QPainter& p = *painter_;
        p.save();
        p.setPen(color.isValid() ? color : pagePalette().ink);
        layout.draw(&p, topLeft);
        p.restore();
    }
    return y;
}

qreal Page::textHeight(const QString& text, const QFont& font, qreal width, qreal lineSpacing) const {
    return layoutBlock(text, font, QPointF(), width, Qt::AlignLeft, QColor(), lineSpacing, false);
}

qreal Page::drawText(const QString& text, const QFont& font, const QPointF& topLeft, qreal width,
                     Qt::Alignment align, const QColor& color, qreal lineSpacing) {
    return layoutBlock(text, font, topLeft, width, align, color, lineSpacing, !measuring());
}

void Page::title(const QString& text, const QString& subtitle) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    qreal y0 = y();
    y0 += drawText(text, typeface(Face::SerifBold, 2.1 * u_), QPointF(f.left(), y0), f.width(),
                   Qt::AlignHCenter, pal.accent, 1.2);
    if (!subtitle.isEmpty()) {
        y0 += 0.2 * u_;
        y0 += drawText(subtitle, typeface(Face::SerifItalic, 1.15 * u_), QPointF(f.left(), y0), f.width(),
                       Qt::AlignHCenter, pal.muted, 1.25);
    }
    y0 += 0.5 * u_;
    if (!measuring()) {
        QPainter& p = *painter_;
        p.save();
        p.setPen(QPen(pal.accent, std::max(1.0, 0.12 * u_)));
        p.drawLine(QPointF(f.left(), y0), QPointF(f.right(), y0));
        p.setPen(QPen(pal.accent, std::max(1.0, 0.04 * u_)));
        p.drawLine(QPointF(f.left(), y0 + 0.25 * u_), QPointF(f.right(), y0 + 0.25 * u_));
        p.restore();
    }
    advance(y0 + 1.2 * u_);
}

void Page::heading(const QString& text) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    qreal y0 = y() + (y() > f.top() + 1 ? 0.6 * u_ : 0);
    y0 += drawText(text, typeface(Face::SansBold, 1.3 * u_), QPointF(f.left(), y0), f.width(),
                   Qt::AlignLeft, pal.accent, 1.25);
    y0 += 0.15 * u_;
    if (!measuring()) {
        QPainter& p = *painter_;
        p.save();
        p.setPen(QPen(pal.rule, std::max(1.0, 0.05 * u_)));
        p.drawLine(QPointF(f.left(), y0), QPointF(f.right(), y0));
        p.restore();
    }
    advance(y0 + 0.5 * u_);
}

void Page::subheading(const QString& text) {
    const QRectF f = frame();
    qreal y0 = y() + (y() > f.top() + 1 ? 0.3 * u_ : 0);
    y0 += drawText(text, typeface(Face::SansBold, 1.05 * u_), QPointF(f.left(), y0), f.width(),
                   Qt::AlignLeft, pagePalette().ink, 1.25);
    advance(y0 + 0.25 * u_);
}

void Page::paragraph(const QString& text, Qt::Alignment align, qreal scale) {
    const QRectF f = frame();
    const qreal h = drawText(text, typeface(Face::Serif, scale * u_), QPointF(f.left(), y()), f.width(),
                             align, pagePalette().ink, 1.38);
    advance(y() + h + 0.55 * u_);
}

void Page::caption(const QString& text, Qt::Alignment align, qreal scale, const QColor& color) {
    const QRectF f = frame();
    const qreal h = drawText(text, typeface(Face::Sans, scale * u_), QPointF(f.left(), y()), f.width(),
                             align, color.isValid() ? color : pagePalette().muted, 1.3);
    advance(y() + h + 0.4 * u_);
}

void Page::bullets(const QStringList& items, bool numbered, qreal scale, Qt::Alignment align) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    const qreal size = scale * u_;
    const qreal indent = (numbered ? 1.9 : 1.3) * size;
    const QFont body = typeface(Face::Serif, size);
    qreal y0 = y();
    for (int i = 0; i < items.size(); ++i) {
        if (numbered)
            drawText(QString::number(i + 1) + QLatin1Char('.'), typeface(Face::SansBold, 0.95 * size),
                     QPointF(f.left(), y0 + 0.03 * size), indent - 0.4 * size, Qt::AlignRight, pal.accent, 1.38 / 0.95);
        else if (!measuring())
            disc(*painter_, QPointF(f.left() + 0.45 * size, y0 + 0.69 * size), 0.17 * size, pal.accent);
        y0 += drawText(items.at(i), body, QPointF(f.left() + indent, y0), f.width() - indent, align, pal.ink, 1.38);
        y0 += 0.22 * size;
    }
    advance(y0 + 0.35 * u_);
}

void Page::definitions(const std::vector<std::pair<QString, QString>>& items, qreal termWidthEm, Qt::Alignment align,
                       qreal scale) {
    const qreal termW = termWidthEm * u_;
    definitionRows(items, termW, termW - 0.6 * u_, align, scale, false);
}

void Page::fittedDefinitions(const std::vector<std::pair<QString, QString>>& items, qreal scale) {
    const QFontMetricsF metrics(typeface(Face::SansBold, 0.92 * scale * u_));
    qreal termW = 0;
    for (const auto& item : items) {
        QString plain = item.first;
        plain.remove(QLatin1Char('*'));
        termW = std::max(termW, metrics.horizontalAdvance(plain));
    }
    termW += 0.8 * u_;
    definitionRows(items, termW, termW, Qt::AlignLeft, scale, true);
}

void Page::definitionRows(const std::vector<std::pair<QString, QString>>& items, qreal termColumn,
                          qreal termTextWidth, Qt::Alignment align, qreal scale, bool formulas) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    const qreal size = scale * u_;
    qreal y0 = y();
    for (const auto& [term, text] : items) {
        const qreal h1 = drawText(term, typeface(Face::SansBold, 0.92 * size), QPointF(f.left(), y0 + 0.06 * size),
                                  termTextWidth, Qt::AlignLeft, pal.accent, 1.38 / 0.92);
        const qreal h2 = drawText(formulas ? keepTogether(text) : text, typeface(Face::Serif, size),
                                  QPointF(f.left() + termColumn, y0), f.width() - termColumn, align, pal.ink, 1.38);
        y0 += std::max(h1, h2) + 0.3 * size;
    }
    advance(y0 + 0.3 * u_);
}

void Page::formula(const QString& text, const QString& label, bool mono, qreal scale) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    const QFont font = typeface(mono ? Face::Mono : Face::SerifItalic, scale * u_);
    const qreal y0 = y() + 0.15 * u_;
    const qreal labelW = label.isEmpty() ? 0 : 3.5 * u_;
    const qreal h = drawText(text, font, QPointF(f.left() + labelW, y0), f.width() - 2 * labelW, Qt::AlignHCenter,
                             pal.ink, 1.35);
    if (!label.isEmpty())
        drawText(label, typeface(Face::Serif, u_), QPointF(f.right() - labelW, y0 + (h - 1.35 * scale * u_) / 2 + 0.1 * u_),
                 labelW, Qt::AlignRight, pal.muted, 1.35);
    advance(y0 + h + 0.6 * u_);
}

void Page::table(const PageTable& t) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    const int cols = int(std::max<qsizetype>(t.headers.size(), t.rows.empty() ? 0 : t.rows.front().size()));
    if (cols == 0) return;
    const qreal total = f.width();
    const qreal left = f.left() + (f.width() - total) / 2;
    std::vector<qreal> weights = t.widths;
    weights.resize(cols, weights.empty() ? 1.0 : weights.back());
    qreal sum = 0;
    for (qreal w : weights) sum += w;
    std::vector<qreal> xs{left};
    for (int c = 0; c < cols; ++c) xs.push_back(xs.back() + total * weights[c] / sum);

    const qreal size = t.fontScale * u_;
    const qreal padX = 0.45 * size, padY = 0.28 * size;
    const QFont headFont = typeface(Face::SansBold, 0.95 * size);
    const QFont cellFont = typeface(Face::Sans, size);
    const QFont monoFont = typeface(Face::Mono, size);
    auto alignOf = [&](int c) { return c < int(t.align.size()) ? t.align[c] : Qt::Alignment(Qt::AlignLeft); };

    auto rowHeight = [&](const QStringList& cells, const QFont& font, bool first) {
        qreal h = 0;
        for (int c = 0; c < cols && c < cells.size(); ++c) {
            const QFont& ff = (first && c == 0 && t.monoColumnsFirst) ? monoFont : font;
            h = std::max(h, textHeight(cells.at(c), ff, xs[c + 1] - xs[c] - 2 * padX, 1.3));
        }
        return h + 2 * padY;
    };
    auto drawRow = [&](const QStringList& cells, const QFont& font, qreal top, qreal h, const QColor& fill,
                       const QColor& color, bool body) {
        if (measuring()) return;
        QPainter& p = *painter_;
        if (fill.isValid()) p.fillRect(QRectF(xs.front(), top, total, h), fill);
        for (int c = 0; c < cols && c < cells.size(); ++c) {
            const QFont& ff = (body && c == 0 && t.monoColumnsFirst) ? monoFont : font;
            const qreal w = xs[c + 1] - xs[c] - 2 * padX;
            const qreal th = textHeight(cells.at(c), ff, w, 1.3);
            drawText(cells.at(c), ff, QPointF(xs[c] + padX, top + (h - th) / 2), w, alignOf(c), color, 1.3);
        }
    };

    qreal y0 = y() + 0.1 * u_;
    const qreal top = y0;
    std::vector<qreal> lines;  // horizontal grid lines
    qreal headerBottom = -1;
    if (!t.headers.isEmpty()) {
        const qreal h = rowHeight(t.headers, headFont, false);
        drawRow(t.headers, headFont, y0, h, pal.headerFill, pal.accent, false);
        y0 += h;
        headerBottom = y0;
    }
    for (size_t r = 0; r < t.rows.size(); ++r) {
        const qreal h = rowHeight(t.rows[r], cellFont, true);
        QColor fill;
        if (std::find(t.highlightRows.begin(), t.highlightRows.end(), int(r)) != t.highlightRows.end())
            fill = pal.highlightFill;
        else if (t.zebra && r % 2 == 1)
            fill = pal.zebra;
        if (r > 0 || headerBottom < 0) lines.push_back(y0);
        drawRow(t.rows[r], cellFont, y0, h, fill, pal.ink, true);
        y0 += h;
    }
    if (!measuring()) {
        QPainter& p = *painter_;
        p.save();
        const qreal thin = std::max(1.0, 0.045 * u_);
        p.setPen(QPen(pal.rule, thin));
        for (qreal ly : lines)
            if (ly > top + 1) p.drawLine(QPointF(xs.front(), ly), QPointF(xs.back(), ly));
        for (int c = 1; c < cols; ++c) p.drawLine(QPointF(xs[c], top), QPointF(xs[c], y0));
        p.setPen(QPen(pal.accent, std::max(1.0, 0.09 * u_)));
        if (headerBottom > 0) p.drawLine(QPointF(xs.front(), headerBottom), QPointF(xs.back(), headerBottom));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(xs.front(), top, total, y0 - top));
        p.restore();
    }
    y0 += 0.3 * u_;
    if (!t.caption.isEmpty())
        y0 += drawText(t.caption, typeface(Face::SansItalic, 0.8 * u_), QPointF(xs.front(), y0), total, Qt::AlignLeft,
                       pal.muted, 1.3) + 0.1 * u_;
    advance(y0 + 0.5 * u_);
}

void Page::note(const QString& heading, const QString& text, BoxStyle style, Qt::Alignment align) {
    box(
        [&] {
            const QRectF f = frame();
            qreal y0 = y();
            if (!heading.isEmpty())
                y0 += drawText(heading, typeface(Face::SansBold, u_), QPointF(f.left(), y0), f.width(), Qt::AlignLeft,
                               style == BoxStyle::Note ? pagePalette().accent2 : pagePalette().accent, 1.3) +
                      0.2 * u_;
            y0 += drawText(text, typeface(Face::Serif, 0.95 * u_), QPointF(f.left(), y0), f.width(), align,
                           pagePalette().ink, 1.38);
            advance(y0);
        },
        style);
}

void Page::box(const std::function<void()>& content, BoxStyle style) {
    const PagePalette& pal = pagePalette();
    const QRectF f = frame();
    const qreal pad = 0.8 * u_;
    const qreal bar = style == BoxStyle::Accent ? 0.3 * u_ : 0;
    const QRectF inner(f.left() + pad + bar, y() + pad, f.width() - 2 * pad - bar, 1e6);

    ++measuring_;
    const qreal innerBottom = inRect(inner, content);
    --measuring_;
    const QRectF outer(f.left(), y(), f.width(), innerBottom - inner.top() + 2 * pad - 0.1 * u_);
    if (!measuring()) {
        QPainter& p = *painter_;
        p.save();
        switch (style) {
        case BoxStyle::Note:
            p.setPen(QPen(pal.noteBorder, std::max(1.0, 0.06 * u_)));
            p.setBrush(pal.noteFill);
            p.drawRoundedRect(outer, 0.35 * u_, 0.35 * u_);
            break;
        case BoxStyle::Accent:
            p.setPen(Qt::NoPen);
            p.setBrush(pal.zebra);
            p.drawRect(outer);
            p.setBrush(pal.accent);
            p.drawRect(QRectF(outer.left(), outer.top(), bar, outer.height()));
            break;
        }
        p.restore();
        inRect(inner, content);
    }
    advance(outer.bottom() + 0.7 * u_);
}

void Page::columns(const std::vector<std::function<void()>>& parts, const std::vector<qreal>& weights, qreal gapEm) {
    if (parts.empty()) return;
    const QRectF f = frame();
    std::vector<qreal> w = weights;
    w.resize(parts.size(), w.empty() ? 1.0 : w.back());
    qreal sum = 0;
    for (qreal x : w) sum += x;
    const qreal gap = gapEm * u_;
    const qreal avail = f.width() - gap * (parts.size() - 1);
    qreal x = f.left();
    qreal lowest = y();
    for (size_t i = 0; i < parts.size(); ++i) {
        const qreal cw = avail * w[i] / sum;
        lowest = std::max(lowest, inRect(QRectF(x, y(), cw, f.bottom() - y()), parts[i]));
        x += cw + gap;
    }
    advance(lowest);
}

qreal Page::inRect(const QRectF& rect, const std::function<void()>& content) {
    frames_.push_back({rect, rect.top()});
    content();
    const qreal end = cur().y;
    frames_.pop_back();
    return end;
}

void Page::rule(qreal thicknessEm, const QColor& color) {
    const QRectF f = frame();
    const qreal y0 = y() + 0.3 * u_;
    if (!measuring()) {
        QPainter& p = *painter_;
        p.save();
        p.setPen(QPen(color.isValid() ? color : pagePalette().rule, std::max(1.0, thicknessEm * u_)));
        p.drawLine(QPointF(f.left(), y0), QPointF(f.right(), y0));
        p.restore();
    }
    advance(y0 + 0.6 * u_);
}

void Page::drawing(qreal heightPx, const std::function<void(QPainter&, const QRectF&)>& draw) {
    const QRectF f = frame();
    const QRectF area(f.left(), y(), f.width(), heightPx);
    if (!measuring()) {
        QPainter& p = *painter_;
        p.save();
        draw(p, area);
        p.restore();
    }
    advance(area.bottom() + 0.5 * u_);
}

void Page::footer(const QString& left, const QString& right) {
    if (measuring()) return;
    const PagePalette& pal = pagePalette();
    const qreal x0 = marginL_, x1 = width() - marginR_;
    const qreal lineY = height() - marginB_ - 0.9 * u_;
    QPainter& p = *painter_;
    p.save();
    p.setPen(QPen(pal.rule, std::max(1.0, 0.05 * u_)));
    p.drawLine(QPointF(x0, lineY), QPointF(x1, lineY));
    p.restore();
    const QFont font = typeface(Face::Sans, 0.72 * u_);
    drawText(left, font, QPointF(x0, lineY + 0.2 * u_), (x1 - x0) * 0.65, Qt::AlignLeft, pal.muted, 1.2);
    if (!right.isEmpty())
        drawText(right, font, QPointF(x0 + (x1 - x0) * 0.35, lineY + 0.2 * u_), (x1 - x0) * 0.65, Qt::AlignRight,
                 pal.muted, 1.2);
}

QImage Page::finish() {
    if (painter_ && painter_->isActive()) painter_->end();
    if (lowest_ > bottom() + 0.5)
        fail(QStringLiteral("the content of %1 runs %2 px below its last line")
                 .arg(name_)
                 .arg(lowest_ - bottom(), 0, 'f', 0));
    return image_;
}

void Page::save(const Context& ctx) {
    savePicture(ctx, name_, finish());
}

}  // namespace zuvgen
