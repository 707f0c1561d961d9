#pragma once
// Page: the page-layout part of the kit, for the printed-looking section and description pages.
//
// A Page is one picture of a catalogue size with a paper background, margins and a vertical
// cursor. Every block (title, heading, paragraph, list, table, formula, note, columns, free
// drawing) is placed at the cursor inside the current frame and moves the cursor below
// itself, so a page is written top to bottom like a document:
//
//     Page page(QStringLiteral("GRKS_HKS"));               // size and kind from the catalogue
//     page.title(QStringLiteral("Хронология"), QStringLiteral("подзаголовок"));
//     page.heading(QStringLiteral("1. Реформа"));
//     page.paragraph(QStringLiteral("Текст с **полужирным**, *курсивом* и `моноширинным`."));
//     page.columns({[&] { page.paragraph(a); }, [&] { page.table(t); }});
//     page.footer(QStringLiteral("левая подпись"), QStringLiteral("правая подпись"));
//     page.save(ctx);                                      // fails loudly if text overflowed
//
// Sizes. All type sizes derive from one body size u() in pixels. By default u() is chosen so
// that body text measures about 15 pixels when the page is shown fitted into a 1900 × 900
// view (u = 15 / min(1900 / w, 900 / h), at least 12): a 2969 × 2185 page gets u ≈ 36, a
// 1697 × 2941 page u ≈ 49, so pages of any size look alike on screen. setBodySize() overrides
// it. Spacing, paddings and line widths are in multiples of u() too ("em" below).
//
// Inline markup in every text (paragraphs, list items, table cells, notes):
//     **bold**   *italic*   `monospace`   \* \` \\ for the literal characters
//     "\n" breaks the line inside a block.
// Write multiplication as "×" or "·", never as "*".
//
// Threads: a Page owns its image and painter; separate Pages may be drawn in parallel.

#include "kit/Output.h"
#include "kit/Palette.h"
#include "kit/Typography.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace zuvgen {

// A table: headers (may be empty for none), rows of cells, relative column widths.
struct PageTable {
    QStringList headers;
    std::vector<QStringList> rows;
    std::vector<qreal> widths;              // relative weights; empty = equal columns
    std::vector<Qt::Alignment> align;       // per column; missing = AlignLeft (AlignHCenter etc.)
    qreal fontScale = 0.9;                  // cell text size relative to u()
    bool zebra = true;                      // tint every other row
    std::vector<int> highlightRows;         // 0-based row indexes drawn on highlightFill
    bool monoColumnsFirst = false;          // draw the first column in monospace
    QString caption;                        // small muted line under the table, optional
};

// Styles of a framed box.
enum class BoxStyle {
    Note,     // warm fill, thin border, for remarks and rules
    Accent,   // pale blue fill, left bar in the accent colour, for key facts
};

class Page {
public:
    // A white page of the catalogue's size for `catalogueName` (fails if the name is unknown).
    explicit Page(const QString& catalogueName);
    ~Page();
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // ---- geometry and cursor -------------------------------------------------------------
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    qreal u() const { return u_; }                  // body text size in pixels
    // Sets u() and rescales the default margins. Call it before drawing anything: it puts
    // the cursor back at the top margin.
    void setBodySize(qreal pixels);
    // Margins in pixels (default: max(2.2u, 4% of the shorter side) all round); like
    // setBodySize, call it before drawing.
    void setMargins(qreal left, qreal top, qreal right, qreal bottom);
    QRectF frame() const;                           // the current frame (page area or column)
    qreal y() const;                                // cursor, absolute page pixels
    void setY(qreal y);
    void skip(qreal em);                            // vertical space in em
    qreal bottom() const;                           // lowest y the flow may reach (above the footer)
    qreal remaining() const { return bottom() - y(); }

    // ---- text blocks (all advance the cursor) ---------------------------------------------
    // Page title: large serif, centred, accent colour, optional subtitle, rule below.
    void title(const QString& text, const QString& subtitle = QString());
    // Numbered or plain section heading (bold sans, accent colour, thin rule under it).
    void heading(const QString& text);
    // Smaller heading without a rule.
    void subheading(const QString& text);
    // Body paragraph: serif, justified (last line left), word-wrapped in the frame.
    void paragraph(const QString& text, Qt::Alignment align = Qt::AlignJustify, qreal scale = 1.0);
    // Sans-serif paragraph in a given colour (captions, short labels); not justified.
    void caption(const QString& text, Qt::Alignment align = Qt::AlignLeft, qreal scale = 0.85,
                 const QColor& color = QColor());
    // Bulleted (numbered = false) or numbered list; items may wrap; hanging indent.
    // Narrow columns read better with align = Qt::AlignLeft.
    void bullets(const QStringList& items, bool numbered = false, qreal scale = 1.0,
                 Qt::Alignment align = Qt::AlignJustify);
    // Definition list: bold term in a left column of `termWidthEm`, text on the right.
    void definitions(const std::vector<std::pair<QString, QString>>& items, qreal termWidthEm = 8,
                     Qt::Alignment align = Qt::AlignJustify, qreal scale = 1.0);
    // Definition list for formulas and notations: the term column as wide as the widest term,
    // the texts ragged-right with their formulas kept together, so that their spacing stays.
    void fittedDefinitions(const std::vector<std::pair<QString, QString>>& items, qreal scale = 1.0);
    // Centred display formula in serif italic (mono = true: monospace), with an optional
    // right-aligned label like "(1)". Lines split at "\n".
    void formula(const QString& text, const QString& label = QString(), bool mono = false,
                 qreal scale = 1.1);
    // Table with header row, grid lines and zebra rows (see PageTable).
    void table(const PageTable& table);
    // Framed box around a short titled text.
    void note(const QString& heading, const QString& text, BoxStyle style = BoxStyle::Note,
              Qt::Alignment align = Qt::AlignJustify);
    // Framed box around any blocks drawn by `content` (which uses this Page as usual).
    void box(const std::function<void()>& content, BoxStyle style = BoxStyle::Note);
    // Side-by-side columns: each function draws into its own column frame; the cursor then
    // continues below the tallest column. `weights` empty = equal widths; gap in em.
    void columns(const std::vector<std::function<void()>>& parts,
                 const std::vector<qreal>& weights = {}, qreal gapEm = 1.6);
    // Horizontal rule across the frame.
    void rule(qreal thicknessEm = 0.06, const QColor& color = QColor());
    // Reserve `heightPx` pixels in the flow and let `draw` paint into that rectangle (frame
    // width) with the page's painter. Not called while a box or column is being measured.
    void drawing(qreal heightPx, const std::function<void(QPainter&, const QRectF&)>& draw);
    // Run `content` with the frame narrowed to `rect` (absolute pixels); the cursor starts at
    // rect.top() and the outer cursor is left unchanged. Returns the inner cursor at the end.
    qreal inRect(const QRectF& rect, const std::function<void()>& content);

    // Page footer: thin rule and small muted text at the bottom margin, left and right parts.
    void footer(const QString& left, const QString& right = QString());

    // ---- low-level helpers ----------------------------------------------------------------
    QPainter& painter() { return *painter_; }
    // Height of a text block laid out at `width` (markup allowed), without drawing it.
    qreal textHeight(const QString& text, const QFont& font, qreal width,
                     qreal lineSpacing = 1.3) const;
    // Draws a text block (markup allowed) at topLeft, wrapped at `width`; returns its height.
    qreal drawText(const QString& text, const QFont& font, const QPointF& topLeft, qreal width,
                   Qt::Alignment align = Qt::AlignLeft, const QColor& color = QColor(),
                   qreal lineSpacing = 1.3);
    // True while a box or column is being measured (nothing must be painted then).
    bool measuring() const { return measuring_ > 0; }

    // ---- finishing ------------------------------------------------------------------------
    // Ends painting and saves the picture under the catalogue name given to the constructor.
    // Fails the generator if a block ran below bottom() (content that does not fit must never
    // be cut silently).
    void save(const Context& ctx);

private:
    struct Frame {
        QRectF rect;
        qreal y;
    };
    Frame& cur() { return frames_.back(); }
    const Frame& cur() const { return frames_.back(); }
    QImage finish();
    void advance(qreal to);
    // The rows of a definition list: terms `termTextWidth` wide, texts from `termColumn` on.
    void definitionRows(const std::vector<std::pair<QString, QString>>& items, qreal termColumn,
                        qreal termTextWidth, Qt::Alignment align, qreal scale, bool formulas);
    qreal layoutBlock(const QString& text, const QFont& font, const QPointF& topLeft, qreal width,
                      Qt::Alignment align, const QColor& color, qreal lineSpacing, bool paint) const;

    QString name_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    qreal u_ = 16;
    qreal marginL_ = 0, marginT_ = 0, marginR_ = 0, marginB_ = 0;
    bool customMargins_ = false;
    qreal footerHeight_ = 0;   // reserved by footer()
    qreal lowest_ = 0;         // lowest y any block reached (for the overflow check)
    int measuring_ = 0;
    std::vector<Frame> frames_;
};

// The body size a page of w × h pixels needs for text of `screenPixels` when shown fitted in
// a 1900 × 900 view.
qreal fittedBodySize(int width, int height, qreal screenPixels = 15);

}  // namespace zuvgen
