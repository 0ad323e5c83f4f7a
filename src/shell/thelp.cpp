#include "thelp.h"

#include "theme.h"
#include "uitext.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>

namespace {

struct Topic
{
    const char *caption;
    int page;
};

// From top to bottom, with the page each one brings to the front.
//: Help topics
constexpr Topic Topics[] = {{QT_TRANSLATE_NOOP("Thelp", "Overview"), 1}, {QT_TRANSLATE_NOOP("Thelp", "Connecting"), 2},
                            {QT_TRANSLATE_NOOP("Thelp", "Game Play"), 3}, {QT_TRANSLATE_NOOP("Thelp", "Scoring"), 4},
                            {QT_TRANSLATE_NOOP("Thelp", "Options"), 7}, {QT_TRANSLATE_NOOP("Thelp", "Documentation"), 5},
                            {QT_TRANSLATE_NOOP("Thelp", "License"), 6}, {QT_TRANSLATE_NOOP("Thelp", "The Lobby"), 8}};

// Flat blue buttons with a silver caption that turns white under the
// mouse; a dotted frame shows the keyboard focus.
const char *const ButtonStyle =
    "QPushButton { background-color: rgb(65, 90, 133); color: silver; border: 1px solid rgb(65, 90, 133); }"
    "QPushButton:hover { color: white; }"
    "QPushButton:focus { border: 1px dotted white; }"
    "QPushButton:pressed { background-color: rgb(45, 65, 100); }";

QPushButton *addButton(QWidget *parent, const char *caption, const char *name, int top)
{
    auto *button = new QPushButton(parent);
    UiText::set(button, Thelp::staticMetaObject, caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(10, top, 117, 20);
    button->setFont(Theme::arial(11, true));
    button->setStyleSheet(QString::fromLatin1(ButtonStyle));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

Thelp::Thelp(QWidget *mainWindow)
    : GameWindow(QStringLiteral("help"), QString(), QSize(556, 422), mainWindow)
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix - Help File"), UiText::Role::WindowTitle);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("label_title"));
    m_title->setGeometry(145, 6, 401, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(Theme::arial(15, true));

    int top = 12;
    QPushButton *first = nullptr;
    for (const Topic &topic : Topics) {
        const QByteArray name = "SelButton" + QByteArray::number(topic.page);
        QPushButton *button = addButton(this, topic.caption, name.constData(), top);
        button->setProperty("page", topic.page);
        connect(button, &QPushButton::clicked, this, [this, button] { SelButton1Click(button); });
        top += 24;
        if (!first)
            first = button;
    }
    QPushButton *about = addButton(this, QT_TR_NOOP("About"), "button_about", top);
    connect(about, &QPushButton::clicked, this, &Thelp::button_aboutClick);
    QPushButton *done = addButton(this, QT_TR_NOOP("Done"), "button_done", 392);
    connect(done, &QPushButton::clicked, this, &Thelp::button_doneClick);

    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(145, 30, 401, 382);
    for (int page = 1; page <= PageCount; ++page) {
        auto *text = new QTextBrowser(m_pages);
        text->setObjectName(QStringLiteral("page%1").arg(page));
        text->setFont(Theme::arial(11));
        text->setOpenLinks(false);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QPalette palette = text->palette();
        palette.setColor(QPalette::Base, Theme::paneColour);
        palette.setColor(QPalette::Text, Qt::black);
        text->setPalette(palette);
        UiText::onChange(text, 0, [text, page] { text->setHtml(helpPageText(page)); });
        for (const Topic &topic : Topics) {
            if (topic.page == page)
                UiText::set(text, staticMetaObject, topic.caption, UiText::Role::AccessibleName);
        }
        m_pages->addWidget(text);
    }

    // The window opens at the Overview.
    SelButton1Click(first);
}

void Thelp::SelButton1Click(QPushButton *button)
{
    const int page = button->property("page").toInt();
    if (page < 1 || page > PageCount)
        return;
    m_pages->setCurrentIndex(page - 1);
    for (const Topic &topic : Topics) {
        if (topic.page == page)
            UiText::set(m_title, staticMetaObject, topic.caption);
    }
}

void Thelp::button_aboutClick()
{
    if (showAbout)
        showAbout();
}

void Thelp::button_doneClick()
{
    hide();
}

int Thelp::page() const
{
    return m_pages->currentIndex() + 1;
}

QString Thelp::title() const
{
    return m_title->text();
}
