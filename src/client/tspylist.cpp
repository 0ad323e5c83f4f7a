#include "tspylist.h"

#include "protocol.h"
#include "theme.h"
#include "uitext.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

constexpr int ItemHeight = 13;

QString itemText(int seat, const QString &name)
{
    return QString::number(seat) + ": " + name;
}

} // namespace

Tspylist::Tspylist(QWidget *mainWindow)
    : GameWindow(QStringLiteral("spylist"), QString(), QSize(162, 168), mainWindow)
{
    UiText::set(this, staticMetaObject, QT_TR_NOOP("Tavlix - Spys"), UiText::Role::WindowTitle);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("listbox_spys"));
    UiText::set(m_list, staticMetaObject, QT_TR_NOOP("Spy List"), UiText::Role::AccessibleName);
    m_list->setGeometry(5, 5, 154, 130);
    m_list->setFont(Theme::arial(11));
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    QPalette pane = m_list->palette();
    pane.setColor(QPalette::Base, Theme::paneColour);
    m_list->setPalette(pane);
    // Right clicks reach the viewport, the menu key reaches the list.
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);

    m_kickMenu = new QMenu(this);
    m_kickMenu->setObjectName(QStringLiteral("popup_spys"));
    m_kickhim = m_kickMenu->addAction(QString());
    UiText::set(m_kickhim, staticMetaObject, QT_TR_NOOP("&Remove From Game"));
    m_kickhim->setObjectName(QStringLiteral("popup_kickhim"));
    m_kickhim->setEnabled(false);
    connect(m_kickhim, &QAction::triggered, this, &Tspylist::popup_kickhimClick);

    auto *caption = new QLabel(this);
    UiText::set(caption, staticMetaObject, QT_TR_NOOP("Spy List"));
    caption->setGeometry(7, 138, 80, 24);
    caption->setFont(Theme::arial(19, true));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *done = new QPushButton(this);
    UiText::set(done, staticMetaObject, QT_TR_NOOP("&Done"));
    done->setObjectName(QStringLiteral("button_done"));
    done->setGeometry(88, 140, 71, 20);
    done->setCursor(Qt::PointingHandCursor);
    done->setStyleSheet(QStringLiteral(
        "QPushButton { background: rgb(65, 90, 133); border: 1px solid black; color: silver;"
        " font-family: Arial; font-weight: bold; font-size: 13px; }"
        "QPushButton:hover, QPushButton:focus { color: white; }"));
    connect(done, &QPushButton::clicked, this, &Tspylist::button_doneClick);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &Tspylist::button_doneClick);
}

void Tspylist::addSpy(int seat, const QString &name)
{
    const QString prefix = QString::number(seat) + ": ";
    for (int row = m_list->count() - 1; row >= 0; --row) {
        if (m_list->item(row)->text().startsWith(prefix))
            delete m_list->takeItem(row);
    }
    auto *item = new QListWidgetItem(itemText(seat, name), m_list);
    // As wide as the list, so the view elides a long name instead of
    // scrolling sideways; the whole text stays in the tool tip.
    item->setSizeHint(QSize(m_list->contentsRect().width(), ItemHeight));
    item->setToolTip(item->text());
}

bool Tspylist::removeSpy(const QString &text)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->text() == text) {
            delete m_list->takeItem(row);
            return true;
        }
    }
    return false;
}

QStringList Tspylist::spies() const
{
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row)
        texts << m_list->item(row)->text();
    return texts;
}

void Tspylist::setHostControls(bool hosting)
{
    m_kickhim->setEnabled(hosting);
}

void Tspylist::listbox_spysMouseMove(const QPoint &pos)
{
    const QListWidgetItem *item = m_list->itemAt(pos);
    m_tag = item ? m_list->row(item) : -1;
}

void Tspylist::popup_kickhimClick()
{
    if (m_tag < 0 || m_tag >= m_list->count())
        return;
    const QString text = m_list->item(m_tag)->text();
    const std::optional<int> seat = wire::parseNumber(text.left(text.indexOf(':')).toLatin1());
    if (seat && kicking)
        kicking(*seat);
}

void Tspylist::button_doneClick()
{
    close();
}

void Tspylist::openKickMenu(const QPoint &globalPos)
{
    m_kickMenu->popup(globalPos);
}

bool Tspylist::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseMove) {
        listbox_spysMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
    } else if (event->type() == QEvent::ContextMenu && (watched == m_list || watched == m_list->viewport())) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
            // From the keyboard the menu acts on the current item, as the
            // pointer's item would from the mouse.
            const int row = m_list->currentRow();
            m_tag = row;
            const QRect place = row >= 0 ? m_list->visualItemRect(m_list->item(row)) : QRect();
            openKickMenu(m_list->viewport()->mapToGlobal(place.bottomLeft()));
        } else {
            listbox_spysMouseMove(m_list->viewport()->mapFromGlobal(menuEvent->globalPos()));
            openKickMenu(menuEvent->globalPos());
        }
        return true;
    }
    return GameWindow::eventFilter(watched, event);
}
