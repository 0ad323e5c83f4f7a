#include "chatview.h"

#include "chatpictures.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>

#include <algorithm>
#include <utility>

namespace {

// Properties that every run carries, so runs can be found by look and
// pictures told by their index after the document merged neighbours.
constexpr int LookProperty = QTextFormat::UserProperty + 1;
constexpr int PictureProperty = QTextFormat::UserProperty + 2;

const QString PictureScheme = QStringLiteral("chatpicture");
const QString FontFamily = QStringLiteral("Arial");

} // namespace

ChatView::ChatView(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false); // the view only grows; an undo history would too
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);
    m_textCursorShape = viewport()->cursor().shape();

    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(226, 196, 165));
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::HighlightedText, QColor(192, 192, 192));
    setPalette(pal);

    m_looks[LinkLook] = {QColor(0, 128, 0), false, true};
    document()->setDefaultFont(QFont(FontFamily, m_pointSize));
    applyMargins();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ChatView::drawLinesInViewInCurrentColours);
}

QTextCharFormat ChatView::formatOf(int look) const
{
    const Look &l = m_looks.at(look);
    QTextCharFormat format;
    format.setFontFamilies({FontFamily});
    format.setFontPointSize(m_pointSize);
    format.setForeground(l.colour);
    format.setFontWeight(l.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(l.underline);
    format.setProperty(LookProperty, look);
    return format;
}

QTextCursor &ChatView::endCursor()
{
    if (m_end.isNull() || m_end.document() != document())
        m_end = QTextCursor(document());
    m_end.movePosition(QTextCursor::End);
    return m_end;
}

void ChatView::append(const QString &text, const QTextCharFormat &format)
{
    endCursor().insertText(text, format);
}

void ChatView::startLine(const QString &text, int look)
{
    finishLine();
    QTextCursor &cursor = endCursor();
    cursor.beginEditBlock();
    m_lineOpen = true;
    if (!document()->isEmpty())
        cursor.insertBlock();
    addText(text, look);
}

void ChatView::finishLine()
{
    if (!m_lineOpen)
        return;
    m_lineOpen = false;
    m_end.endEditBlock();
    dropOldLines();
}

void ChatView::dropOldLines()
{
    const int count = document()->blockCount();
    if (count <= MaxLines + TrimLines)
        return;
    const QTextBlock firstKept = document()->findBlockByNumber(count - MaxLines);
    // Whoever reads older lines (scrolling switched off) keeps seeing the
    // same lines: the view moves up by the height that goes.
    const QAbstractTextDocumentLayout *layout = document()->documentLayout();
    const qreal dropped = layout->blockBoundingRect(firstKept).top() - layout->blockBoundingRect(document()->firstBlock()).top();
    const int scrolled = verticalScrollBar()->value();
    QTextCursor cursor(document());
    cursor.setPosition(firstKept.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    verticalScrollBar()->setValue(std::max(0, scrolled - qRound(dropped)));
}

void ChatView::addText(const QString &text, int look)
{
    ++m_runCount.at(look);
    append(text, formatOf(look));
}

void ChatView::addLink(const QString &text, const QString &target)
{
    QTextCharFormat format = formatOf(LinkLook);
    format.setAnchor(true);
    format.setAnchorHref(target);
    ++m_runCount[LinkLook];
    append(text, format);
}

void ChatView::addPicture(int index)
{
    QTextImageFormat image;
    image.setName(PictureScheme + QLatin1Char(':') + QString::number(index));
    image.setWidth(ChatPictures::Width);
    image.setHeight(ChatPictures::Height);
    image.setProperty(PictureProperty, index);
    endCursor().insertImage(image);
}

void ChatView::setLookStyle(int look, const QColor &colour, bool bold)
{
    Look &l = m_looks.at(look);
    if (l.colour == colour && l.bold == bold)
        return;
    const bool boldChanged = l.bold != bold;
    l.colour = colour;
    l.bold = bold;
    if (m_runCount[look] == 0)
        return;
    // Boldness changes the layout, so its runs are restyled in the
    // document. A chat line always asks for bold, so that happens at most
    // once per look; colours change with nearly every line and only need
    // the lines in view drawn anew.
    if (boldChanged)
        restyleRunsOf(look);
    drawLinesInViewInCurrentColours();
}

void ChatView::drawLinesInViewInCurrentColours()
{
    QList<ExtraSelection> overlay;
    if (!document()->isEmpty()) {
        const qreal top = verticalScrollBar()->value();
        const QTextBlock first = blockAtHeight(top);
        const int last = blockAtHeight(top + viewport()->height()).blockNumber();
        const QBrush background = palette().brush(QPalette::Base);
        for (QTextBlock block = first; block.isValid() && block.blockNumber() <= last; block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const QTextCharFormat format = fragment.charFormat();
                if (!format.hasProperty(LookProperty))
                    continue;
                const QColor current = m_looks.at(format.intProperty(LookProperty)).colour;
                if (format.foreground().color() == current)
                    continue;
                ExtraSelection run{QTextCursor(document()), QTextCharFormat()};
                run.cursor.setPosition(fragment.position());
                run.cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                // The background is filled first, so no edge of the glyph
                // in its old colour shows around the new one.
                run.format.setBackground(background);
                run.format.setForeground(current);
                overlay.append(run);
            }
        }
    }
    if (!overlay.isEmpty() || !extraSelections().isEmpty())
        setExtraSelections(overlay);
}

// The first line that reaches below `y` (document coordinates), found by
// halving: the time to find the lines in view must not grow with the
// history.
QTextBlock ChatView::blockAtHeight(qreal y) const
{
    const QAbstractTextDocumentLayout *layout = document()->documentLayout();
    int low = 0;
    int high = document()->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (layout->blockBoundingRect(document()->findBlockByNumber(middle)).bottom() <= y)
            low = middle + 1;
        else
            high = middle;
    }
    return document()->findBlockByNumber(low);
}

void ChatView::restyleRunsOf(int look)
{
    // Collect first: restyling merges fragments under a running iterator.
    QList<std::pair<int, int>> ranges;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(LookProperty) || format.intProperty(LookProperty) != look)
                continue;
            const int start = fragment.position();
            const int end = start + fragment.length();
            if (!ranges.isEmpty() && ranges.last().second == start)
                ranges.last().second = end;
            else
                ranges.append({start, end});
        }
    }
    QTextCharFormat style;
    style.setForeground(m_looks[look].colour);
    style.setFontWeight(m_looks[look].bold ? QFont::Bold : QFont::Normal);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const auto &[start, end] : ranges) {
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(style);
    }
    cursor.endEditBlock();
}

void ChatView::setPointSize(int points)
{
    m_pointSize = points;
    document()->setDefaultFont(QFont(FontFamily, points));
    QTextCharFormat size;
    size.setFontPointSize(points);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(size);
    drawLinesInViewInCurrentColours();
}

void ChatView::applyMargins()
{
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setTopMargin(2);
    frame.setBottomMargin(2);
    frame.setLeftMargin(5);
    frame.setRightMargin(5);
    document()->rootFrame()->setFrameFormat(frame);
}

void ChatView::clearChat()
{
    finishLine();
    clear();
    setExtraSelections({});
    m_runCount.fill(0);
    applyMargins(); // clearing makes a new root frame
}

void ChatView::scrollToEnd()
{
    // Large documents are laid out lazily; lay out up to the last line so
    // that the scroll range reaches it.
    document()->documentLayout()->blockBoundingRect(document()->lastBlock());
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QString ChatView::selectedPlainText() const
{
    const QTextCursor selection = textCursor();
    if (!selection.hasSelection())
        return {};
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    QString text;
    QTextBlock block = document()->findBlock(start);
    for (bool first = true; block.isValid() && (first || block.position() <= end);
         block = block.next(), first = false) {
        if (!first)
            text += QLatin1String("\r\n");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                continue;
            const int from = std::max(fragment.position(), start);
            const int to = std::min(fragment.position() + fragment.length(), end);
            if (from < to)
                text += fragment.text().mid(from - fragment.position(), to - from);
        }
    }
    return text;
}

int ChatView::lineCount() const
{
    return document()->isEmpty() ? 0 : document()->blockCount();
}

QList<ChatRun> ChatView::lineRuns(int line) const
{
    QList<ChatRun> runs;
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid())
        return runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        ChatRun run;
        run.format = fragment.charFormat();
        if (run.format.isImageFormat()) {
            run.picture = run.format.intProperty(PictureProperty);
        } else {
            run.text = fragment.text();
            run.look = run.format.intProperty(LookProperty);
            if (run.format.isAnchor())
                run.link = run.format.anchorHref();
            if (run.format.hasProperty(LookProperty))
                run.format.setForeground(m_looks.at(run.look).colour);
        }
        runs.append(run);
    }
    return runs;
}

QVariant ChatView::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource && name.scheme() == PictureScheme)
        return ChatPictures::picture(name.path().toInt());
    return QTextEdit::loadResource(type, name);
}

void ChatView::keyPressEvent(QKeyEvent *event)
{
    const bool ctrlInsert = event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier;
    if (event->matches(QKeySequence::Copy) || ctrlInsert) {
        emit copyRequested();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ChatView::mousePressEvent(QMouseEvent *event)
{
    m_pressedLink.clear();
    if (event->button() == Qt::LeftButton) {
        m_pressedLink = anchorAt(event->position().toPoint());
        m_pressPos = event->position().toPoint();
    }
    QTextEdit::mousePressEvent(event);
}

void ChatView::mouseMoveEvent(QMouseEvent *event)
{
    QTextEdit::mouseMoveEvent(event);
    const bool overLink = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : m_textCursorShape);
}

void ChatView::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    drawLinesInViewInCurrentColours();
}

void ChatView::mouseReleaseEvent(QMouseEvent *event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || m_pressedLink.isEmpty())
        return;
    const QString link = std::exchange(m_pressedLink, QString());
    const QPoint pos = event->position().toPoint();
    // A press that turned into a drag selects text instead of following.
    if ((pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
        return;
    if (anchorAt(pos) == link)
        emit linkClicked(link);
}
