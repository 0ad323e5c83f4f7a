#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <array>

// One run of a chat line as the view holds it: neighbouring words of the same
// look (or the same link) form one run.
struct ChatRun
{
    QString text;     // empty for a picture
    int look = -1;    // -1 for a picture
    int picture = -1; // picture index, -1 for text
    QString link;     // the link's target, empty when the run is no link
    QTextCharFormat format;
};

// The read-only rich-text view of the chat pane (`mainchat`). It holds runs
// of text in fifteen numbered looks, inline pictures and link runs. A look's
// colour, boldness and the common size are kept here, and every run of a look
// shows its look's current values: changing a look restyles its earlier runs.
//
// A colour change costs the same however long the history is: the runs
// keep the colour they were added in, and the lines in view are drawn over
// in their looks' current colours (an overlay that follows scrolling and
// resizing). The view keeps the last MaxLines lines: older ones are
// dropped TrimLines at a time, since every drop lays out the whole view.
class ChatView : public QTextEdit
{
    Q_OBJECT

public:
    static constexpr int LookCount = 15;
    static constexpr int SystemLook = 0;
    static constexpr int LinkLook = 4;
    static constexpr int MaxLines = 5000;
    static constexpr int TrimLines = 500;

    explicit ChatView(QWidget *parent = nullptr);

    // Starts a new line with a run in the given look.
    void startLine(const QString &text, int look);
    // Continue the current line.
    void addText(const QString &text, int look);
    void addLink(const QString &text, const QString &target);
    void addPicture(int index);
    // Ends the line begun by startLine: the view lays it out once, not once
    // per run.
    void finishLine();

    // Sets a look's colour and boldness; earlier runs of that look follow.
    void setLookStyle(int look, const QColor &colour, bool bold);
    QColor lookColour(int look) const { return m_looks.at(look).colour; }
    bool lookBold(int look) const { return m_looks.at(look).bold; }
    // Point size of all fifteen looks, old runs included.
    void setPointSize(int points);
    int pointSize() const { return m_pointSize; }

    // Removes every line and picture.
    void clearChat();
    // Makes the last line visible.
    void scrollToEnd();
    // The selection as plain text: CR LF between lines, pictures give
    // nothing. Empty without a selection.
    QString selectedPlainText() const;

    int lineCount() const;
    // The runs of a line with the colour and boldness they are drawn in.
    QList<ChatRun> lineRuns(int line) const;

signals:
    // A single click on a link run; the target as stored with the run.
    void linkClicked(const QString &target);
    // The copy keys (Ctrl+C, Ctrl+Insert) were pressed in the view.
    void copyRequested();

protected:
    QVariant loadResource(int type, const QUrl &name) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Look
    {
        QColor colour = Qt::black;
        bool bold = false;
        bool underline = false;
    };

    QTextCharFormat formatOf(int look) const;
    QTextCursor &endCursor();
    void append(const QString &text, const QTextCharFormat &format);
    QTextBlock blockAtHeight(qreal y) const;
    void dropOldLines();
    void restyleRunsOf(int look);
    void drawLinesInViewInCurrentColours();
    void applyMargins();

    std::array<Look, LookCount> m_looks;
    // Writes at the end; holds one edit block open from startLine to
    // finishLine.
    QTextCursor m_end;
    bool m_lineOpen = false;
    // Runs of each look added since the last clear, so that restyling a look
    // nobody has used yet costs nothing.
    std::array<int, LookCount> m_runCount{};
    int m_pointSize = 10;
    Qt::CursorShape m_textCursorShape = Qt::IBeamCursor;
    QString m_pressedLink;
    QPoint m_pressPos;
};
