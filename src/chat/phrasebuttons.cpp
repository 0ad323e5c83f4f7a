#include "phrasebuttons.h"

#include "chatpane.h"
#include "clientstate.h"
#include "protocol.h"
#include "uitext.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

// A phrase is what the player says to the table; the built-in ones are said
// in the player's language.
const std::array<const char *, PhraseButtons::Count> PhraseButtons::BuiltIn = {
    QT_TRANSLATE_NOOP("PhraseButtons", "Way To Go!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Good One!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Nice Try!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Excellent!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Brilliant!"),
    //: WTG: "way to go"
    QT_TRANSLATE_NOOP("PhraseButtons", "Wow, WTG!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Thanks!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Way To Go Teamie!"),
    QT_TRANSLATE_NOOP("PhraseButtons", "Good Game Everyone!"),
};

namespace {

// The row: ten 25 x 19 buttons from left 489 to left 733 at top 206.
constexpr int RowTop = 206;
constexpr int RowLeft = 489;
constexpr int RowSpan = 733 - 489;
constexpr QSize ButtonSize(25, 19);

QRect buttonRect(int index)
{
    const int left = RowLeft + (index * RowSpan + 4) / 9;
    return QRect(QPoint(left, RowTop), ButtonSize);
}

// A pair of joined eighth notes, drawn so it stays crisp at any scale.
QIcon noteIcon()
{
    QPixmap pixmap(QSize(16, 14) * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QRectF(1.5, 9, 4.5, 3.5));
    p.drawEllipse(QRectF(9.5, 8, 4.5, 3.5));
    QPainterPath beam;
    beam.moveTo(5, 11);
    beam.lineTo(5, 2.5);
    beam.lineTo(13, 1.5);
    beam.lineTo(13, 10);
    beam.lineTo(12, 10);
    beam.lineTo(12, 4);
    beam.lineTo(6, 4.8);
    beam.lineTo(6, 11);
    beam.closeSubpath();
    p.drawPath(beam);
    return QIcon(pixmap);
}

QToolButton *makeButton(QWidget *panel, int index, const QString &name)
{
    auto *button = new QToolButton(panel);
    button->setObjectName(name);
    button->setGeometry(buttonRect(index));
    button->setAutoRaise(true); // flat until the pointer is over it
    button->setFocusPolicy(Qt::TabFocus);
    button->setFont(QFont(QStringLiteral("Arial"), 7, QFont::Bold));
    return button;
}

} // namespace

PhraseButtons::PhraseButtons(QWidget *panel, ClientState &state, ChatPane &chat, QObject *parent)
    : QObject(parent), m_state(state), m_chat(chat)
{
    for (int n = 1; n <= Count; ++n) {
        QToolButton *button = makeButton(panel, n - 1, QStringLiteral("b_phrase%1").arg(n));
        // "P1" names the button, like a key cap; it is the same in every language.
        button->setText(QStringLiteral("P%1").arg(n));
        UiText::set(button, staticMetaObject, QT_TR_NOOP("Phrase %1"), UiText::Role::AccessibleName, {QString::number(n)});
        connect(button, &QToolButton::clicked, this, [this, n] { b_phraseClick(n); });
        m_buttons[n - 1] = button;
        // A built-in phrase follows the language until the settings name
        // the player's own.
        UiText::bind(
            button, 0,
            [button](const QString &text) {
                button->setToolTip(text);
                button->setAccessibleDescription(text);
            },
            "PhraseButtons", BuiltIn[n - 1]);
    }
    m_soundButton = makeButton(panel, Count, QStringLiteral("b_phrase10"));
    m_soundButton->setIcon(noteIcon());
    m_soundButton->setIconSize(QSize(16, 14));
    UiText::set(m_soundButton, staticMetaObject, QT_TR_NOOP("Chatter Sounds"), UiText::Role::ToolTip);
    UiText::set(m_soundButton, staticMetaObject, QT_TR_NOOP("Chatter Sounds"), UiText::Role::AccessibleName);
}

void PhraseButtons::setPhraseLock(std::function<bool()> locked, std::function<void()> lock)
{
    m_locked = std::move(locked);
    m_lock = std::move(lock);
}

QString PhraseButtons::phrase(int n) const
{
    return button(n)->toolTip();
}

void PhraseButtons::setPhrase(int n, const QString &text)
{
    UiText::forget(button(n), 0);
    button(n)->setToolTip(text);
    button(n)->setAccessibleDescription(text);
}

std::array<QString, PhraseButtons::Count> PhraseButtons::phrases() const
{
    std::array<QString, Count> all;
    for (int n = 1; n <= Count; ++n)
        all[n - 1] = phrase(n);
    return all;
}

void PhraseButtons::b_phraseClick(int n)
{
    // Before login there is no seat to send from; the click does nothing.
    if (!m_state.loggedin || (m_locked && m_locked()))
        return;
    static const QString me = QStringLiteral("/me ");
    const QString text = phrase(n);
    const QString action = text.startsWith(me) ? text.mid(me.size()) : QStringLiteral("says: ") + text;
    const QByteArray colour = QByteArray::fromStdString(colourToText(m_chat.chatColour()));
    m_chat.send(wire::client::action(m_state.mynumber, wire::encodeText(action), colour));
    if (m_lock)
        m_lock();
}
