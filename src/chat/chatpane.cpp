#include "chatpane.h"

#include "wirelines.h"

#include "chatinput.h"
#include "chatline.h"
#include "chatpictures.h"
#include "chatview.h"
#include "clientstate.h"
#include "desktop.h"
#include "protocol.h"
#include "uitext.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>


namespace {

constexpr std::array<int, 4> TextSizes = {8, 10, 12, 14};
const QColor PaneBackground(226, 196, 165);

QColor toQColor(ColourValue c)
{
    return QColor(colourRed(c), colourGreen(c), colourBlue(c));
}

// Only web addresses are handed to the system's "open" action: a chat word
// comes from another player, and opening a local file or another scheme on
// a click would let that player start programs here.
bool isWebAddress(const QString &target)
{
    const QUrl url = QUrl::fromUserInput(target);
    const QString scheme = url.scheme();
    return url.isValid()
        && (scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0
            || scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0);
}

} // namespace

ChatPane::ChatPane(QWidget *panel, ClientState &state, Desktop &desktop, QObject *parent)
    : QObject(parent), m_state(state), m_desktop(desktop)
{
    createControls(panel);
    createActions();
    createMenus(panel);
    setTextSize(m_mainchat->pointSize());
}

void ChatPane::createControls(QWidget *panel)
{
    m_mainchat = new ChatView(panel);
    m_mainchat->setObjectName(QStringLiteral("mainchat"));
    m_mainchat->setGeometry(488, 228, 272, 271);
    m_mainchat->setContextMenuPolicy(Qt::CustomContextMenu);
    UiText::set(m_mainchat, staticMetaObject, QT_TR_NOOP("Chat"), UiText::Role::AccessibleName);

    m_mychat = new ChatInput(panel);
    m_mychat->setObjectName(QStringLiteral("mychat"));
    m_mychat->setGeometry(488, 500, 244, 22);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    m_mychat->setFont(font);
    QPalette pal = m_mychat->palette();
    pal.setColor(QPalette::Base, PaneBackground);
    m_mychat->setPalette(pal);
    m_mychat->setContextMenuPolicy(Qt::CustomContextMenu);
    UiText::set(m_mychat, staticMetaObject, QT_TR_NOOP("Chat message"), UiText::Role::AccessibleName);
    // A prompt still shown changes with the language; what the player
    // has typed stays.
    UiText::bind(
        m_mychat, 0,
        [this](const QString &text) {
            const bool showing = m_mychat->text() == m_prompt;
            m_prompt = text;
            if (showing)
                m_mychat->setText(text);
        },
        "ChatPane", QT_TR_NOOP("<Enter Chat Here>"));
    setChatColour(m_chatColour);

    m_smilies = new QToolButton(panel);
    m_smilies->setObjectName(QStringLiteral("button_smilies"));
    m_smilies->setGeometry(735, 502, 22, 18);
    m_smilies->setIcon(QPixmap::fromImage(ChatPictures::picture(0)));
    m_smilies->setIconSize(QSize(ChatPictures::Width, ChatPictures::Height));
    UiText::set(m_smilies, staticMetaObject, QT_TR_NOOP("Chatter Sounds"), UiText::Role::ToolTip);
    // The hint is the game's own; a screen reader hears what the button does.
    UiText::set(m_smilies, staticMetaObject, QT_TR_NOOP("Chat pictures"), UiText::Role::AccessibleName);
    m_smilies->setFocusPolicy(Qt::NoFocus);

    connect(m_mainchat, &ChatView::linkClicked, this, &ChatPane::mainchatJump);
    connect(m_mainchat, &ChatView::copyRequested, this, &ChatPane::Copy1Click);
    connect(m_mychat, &ChatInput::keyDown, this, &ChatPane::mychatKeyDown);
    connect(m_mychat, &ChatInput::enterPressed, this, &ChatPane::sendit);
    connect(m_mychat, &ChatInput::pasteRequested, this, &ChatPane::Paste1Click);
    connect(m_smilies, &QToolButton::clicked, this, &ChatPane::button_smiliesClick);
}

QAction *ChatPane::newAction(const QString &objectName, const char *text)
{
    auto *action = new QAction(this);
    action->setObjectName(objectName);
    if (text)
        UiText::set(action, staticMetaObject, text);
    return action;
}

void ChatPane::createActions()
{
    m_textColor = newAction(QStringLiteral("TextColor1"), QT_TR_NOOP("Text Color"));
    connect(m_textColor, &QAction::triggered, this, &ChatPane::TextColor1Click);

    for (std::size_t i = 0; i < TextSizes.size(); ++i) {
        const int points = TextSizes[i];
        QAction *item = newAction(QStringLiteral("N%1").arg(points), nullptr);
        item->setText(QString::number(points));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, points] { textSizeClick(points); });
        m_sizeItems[i] = item;
    }

    m_scrollOff2 = newAction(QStringLiteral("ScrollChatOff2"), QT_TR_NOOP("Scroll Chat Off"));
    m_scrollOff1 = newAction(QStringLiteral("ScrollChatOff1"), QT_TR_NOOP("Scroll Chat Off"));
    for (QAction *item : {m_scrollOff1, m_scrollOff2}) {
        item->setCheckable(true);
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(item, &QAction::triggered, this, &ChatPane::setScrollChatOff);
    }
    // The popup's copy is only reachable while its menu is open; otherwise
    // the two Ctrl+S would be ambiguous.
    m_scrollOff1->setShortcutContext(Qt::WidgetShortcut);

    m_clearMainChat1 = newAction(QStringLiteral("ClearMainChat1"), QT_TR_NOOP("Clear Main Chat"));
    m_clearMainChat2 = newAction(QStringLiteral("ClearMainChat2"), QT_TR_NOOP("Clear Main Chat"));
    connect(m_clearMainChat1, &QAction::triggered, this, &ChatPane::ClearMainChat1Click);
    connect(m_clearMainChat2, &QAction::triggered, this, &ChatPane::ClearMainChat1Click);

    m_selectAll = newAction(QStringLiteral("SelectAll1"), QT_TR_NOOP("Select All"));
    connect(m_selectAll, &QAction::triggered, this, &ChatPane::SelectAll1Click);

    // Copy and Paste act on their own control only, so Ctrl+C in the input
    // line or Ctrl+V elsewhere keeps its usual meaning.
    m_copy = newAction(QStringLiteral("Copy1"), QT_TR_NOOP("Copy"));
    m_copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_copy->setShortcutContext(Qt::WidgetShortcut);
    m_mainchat->addAction(m_copy);
    connect(m_copy, &QAction::triggered, this, &ChatPane::Copy1Click);

    m_paste = newAction(QStringLiteral("Paste1"), QT_TR_NOOP("Paste"));
    m_paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    m_paste->setShortcutContext(Qt::WidgetShortcut);
    m_mychat->addAction(m_paste);
    connect(m_paste, &QAction::triggered, this, &ChatPane::Paste1Click);
}

void ChatPane::createMenus(QWidget *panel)
{
    m_textSizeMenu = new QMenu(panel);
    UiText::set(m_textSizeMenu, staticMetaObject, QT_TR_NOOP("Text Size"));
    m_textSizeMenu->setObjectName(QStringLiteral("TextSize1"));
    m_textSizeMenu->menuAction()->setObjectName(QStringLiteral("TextSize1"));
    for (QAction *item : m_sizeItems)
        m_textSizeMenu->addAction(item);

    m_popupMainchat = new QMenu(m_mainchat);
    m_popupMainchat->setObjectName(QStringLiteral("popup_mainchat"));
    m_popupMainchat->addAction(m_selectAll);
    m_popupMainchat->addAction(m_copy);
    m_popupMainchat->addAction(m_clearMainChat2);
    m_popupMainchat->addSeparator();
    m_popupMainchat->addAction(m_scrollOff1);
    connect(m_mainchat, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_popupMainchat->popup(m_mainchat->viewport()->mapToGlobal(pos));
    });

    m_popupMychat = new QMenu(m_mychat);
    m_popupMychat->setObjectName(QStringLiteral("popup_mychat"));
    m_popupMychat->addAction(m_paste);
    connect(m_mychat, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_popupMychat->popup(m_mychat->mapToGlobal(pos));
    });

    m_popupSmilies = new QMenu(m_smilies);
    m_popupSmilies->setObjectName(QStringLiteral("popup_smilies"));
    for (int i = 0; i < ChatLine::PictureCount; ++i) {
        const int code = ChatLine::FirstPictureCode + i;
        QAction *item = m_popupSmilies->addAction(QIcon(QPixmap::fromImage(ChatPictures::picture(i))),
                                                  QStringLiteral(":)#%1").arg(code));
        connect(item, &QAction::triggered, this, [this, code] { pictureClick(code); });
    }
}

void ChatPane::setSender(Sender sender)
{
    m_send = std::move(sender);
}

void ChatPane::send(const QByteArray &message) const
{
    if (m_send)
        m_send(message);
}

void ChatPane::addlinetochat(const QString &line, ColourValue colour)
{
    const ChatLine parsed = ChatLine::parse(line);
    m_mainchat->setLookStyle(parsed.look, toQColor(colour), true);
    m_mainchat->startLine(parsed.namePart + QLatin1Char(' '), parsed.look);
    for (const ChatPiece &piece : parsed.pieces) {
        switch (piece.kind) {
        case ChatPiece::Word:
            m_mainchat->addText(piece.text, parsed.look);
            break;
        case ChatPiece::Link:
            m_mainchat->addLink(piece.text, piece.text);
            break;
        case ChatPiece::Picture:
            m_mainchat->addPicture(piece.picture);
            break;
        }
    }
    m_mainchat->finishLine();
    if (!m_scrollChatOff)
        m_mainchat->scrollToEnd();
}

void ChatPane::chatrecieved(const QByteArray &body)
{
    const QString text = wire::decodeText(body);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    // The words the host and the phrase buttons put around what a player
    // typed are English on the wire; they are shown in this player's
    // language, and the typed text as it came.
    const auto shown = [](const QString &line) {
        const qsizetype plus = line.indexOf(QLatin1Char('+'));
        return plus < 0 ? line : line.left(plus + 1) + WireLines::chatText(line.mid(plus + 1));
    };
    if (bar < 0) {
        addlinetochat(shown(text), ColourRed);
        return;
    }
    const auto colour = colourFromText(text.mid(bar + 1).toStdString());
    addlinetochat(shown(text.left(bar)), colour.value_or(ColourRed));
}

void ChatPane::sendit()
{
    if (!m_state.loggedin)
        return;
    const QString text = m_mychat->text();
    if (!text.isEmpty()) {
        const QByteArray colour = QByteArray::fromStdString(colourToText(m_chatColour));
        if (!text.startsWith(QLatin1Char('/')))
            send(wire::client::chat(m_state.mynumber, wire::encodeText(text), colour));
        else if (text.startsWith(QLatin1String("/me")))
            send(wire::client::action(m_state.mynumber, wire::encodeText(text.mid(4)), colour));
    }
    m_mychat->clear();
}

void ChatPane::setTextSize(int points)
{
    if (points < 1)
        return; // a size of zero or less cannot be drawn; keep the current one
    m_mainchat->setPointSize(points);
    for (std::size_t i = 0; i < TextSizes.size(); ++i)
        m_sizeItems[i]->setChecked(TextSizes[i] == points);
}

int ChatPane::textSize() const
{
    return m_mainchat->pointSize();
}

void ChatPane::setChatColour(ColourValue colour)
{
    m_chatColour = colour;
    QPalette pal = m_mychat->palette();
    pal.setColor(QPalette::Text, toQColor(colour));
    m_mychat->setPalette(pal);
}

void ChatPane::setScrollChatOff(bool off)
{
    m_scrollChatOff = off;
    m_scrollOff1->setChecked(off);
    m_scrollOff2->setChecked(off);
}

void ChatPane::TextColor1Click()
{
    const auto chosen = m_desktop.chooseColour(m_mainchat->window(), toQColor(m_chatColour));
    if (!chosen)
        return;
    setChatColour(colourValue(chosen->red(), chosen->green(), chosen->blue()));
    emit settingsChanged();
}

void ChatPane::textSizeClick(int points)
{
    setTextSize(points);
    emit settingsChanged();
}

void ChatPane::ClearMainChat1Click()
{
    m_mainchat->clearChat();
    m_mychat->setFocus();
}

void ChatPane::SelectAll1Click()
{
    m_mainchat->selectAll();
}

void ChatPane::Copy1Click()
{
    if (!m_mainchat->textCursor().hasSelection())
        return;
    QGuiApplication::clipboard()->setText(m_mainchat->selectedPlainText());
}

void ChatPane::Paste1Click()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *data = clipboard->mimeData();
    if (data && data->hasText())
        m_mychat->setText(m_mychat->text() + clipboard->text());
    m_mychat->deselect();
    m_mychat->end(false);
}

void ChatPane::button_smiliesClick()
{
    m_popupSmilies->popup(m_smilies->mapToGlobal(QPoint(m_smilies->width(), m_smilies->height())));
}

void ChatPane::pictureClick(int code)
{
    if (m_mychat->text() == m_prompt)
        m_mychat->clear();
    m_mychat->setText(m_mychat->text() + QStringLiteral(":)#") + QString::number(code));
    m_mychat->end(false);
}

void ChatPane::mainchatJump(const QString &target)
{
    QString url = target;
    while (url.endsWith(QLatin1Char(' ')))
        url.chop(1);
    if (!isWebAddress(url) || !m_desktop.openUrl(url))
        m_desktop.message(m_mainchat->window(), tr("Cannot open Webpage"));
}

void ChatPane::mychatKeyDown()
{
    if (m_mychat->text() == m_prompt)
        m_mychat->clear();
}
