#include "shell/MainWindow.h"

#include "burn/CBurnDialog.h"
#include "copydisk/CPage5.h"
#include "create/CPage3.h"
#include "edit/CPage4.h"
#include "extract/CPage2.h"
#include "services/CRunCommandThread.h"
#include "services/HalfWritten.h"
#include "services/Util.h"
#include "shell/Languages.h"
#include "shell/Startup.h"
#include "widgets/CAboutusDialog.h"
#include "widgets/CImageButton.h"
#include "widgets/ImageDialog.h"

#include <QActionGroup>
#include <QApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace {
// The current "Help" menu; every rebuild replaces it.
QMenu* g_HelpMenu = nullptr;

// Ticks the current language's entry in the menu's language submenu.
void markCurrentLanguage()
{
    if (!g_HelpMenu || g_HelpMenu->actions().isEmpty() || !g_HelpMenu->actions().first()->menu())
        return;
    const QList<QAction*> entries = g_HelpMenu->actions().first()->menu()->actions();
    const int current = Languages::indexOf(golbalLangue);
    for (int i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(i == current);
}
}

MainWindow::MainWindow(QWidget* parent) : CBaseMainWindow(parent)
{
    buildForm();
    setWindowTitle("Quillmere");
    SetBackGround(":/nwu/main");
    SetMoveable(true);
    m_Close->SetBackGround(":/nwu/osxclose1", ":/nwu/osxclose2", ":/nwu/osxclose3", ":/nwu/osxclose4",
                           QString(), QString(), 3);
    m_Min->SetBackGround(":/nwu/osxmin1", ":/nwu/osxmin2", ":/nwu/osxmin3", ":/nwu/osxmin4", QString(),
                         QString(), 3);
    m_Close->move(10, 9);
    m_Min->move(30, 9);
    m_Help->move(699, 40);
    onMenu();
    connect(m_Close, qOverload<>(&CImageButton::clicked), this, &MainWindow::onClose);
    connect(m_Min, qOverload<>(&CImageButton::clicked), this, &MainWindow::onMin);
    connect(m_MenuArea, qOverload<>(&CImageButton::clicked), this, &MainWindow::onMenu);
    setUpTranslataion();
    connect(m_Burn, qOverload<>(&CImageButton::clicked), this, &MainWindow::onBurn);
    connect(m_Extract, qOverload<>(&CImageButton::clicked), this, &MainWindow::onExtract);
    connect(m_Create, qOverload<>(&CImageButton::clicked), this, &MainWindow::onCreate);
    connect(m_Edit, qOverload<>(&CImageButton::clicked), this, &MainWindow::onEdit);
    connect(m_Copy, qOverload<>(&CImageButton::clicked), this, &MainWindow::onCopy);
    connect(m_Help, qOverload<>(&CImageButton::clicked), this, &MainWindow::onHelp);
    m_Translator = new QTranslator(this);
}

MainWindow::~MainWindow()
{
    delete g_HelpMenu;
    g_HelpMenu = nullptr;
}

void MainWindow::buildForm()
{
    setFixedSize(860, 580);
    auto* central = new QWidget(this);
    central->setAttribute(Qt::WA_TranslucentBackground);
    setCentralWidget(central);
    auto button = [central](const char* name, int x, int y, int w, int h) {
        auto* control = new CImageButton(central);
        control->setObjectName(name);
        control->setGeometry(x, y, w, h);
        return control;
    };
    m_MenuArea = button("menu", 775, 16, 28, 13);
    m_Min = button("min", 803, 16, 28, 13);
    m_Close = button("close", 831, 16, 28, 13);
    m_Burn = button("burn", 40, 120, 120, 80);
    m_Extract = button("extract", 570, 120, 120, 80);
    m_Create = button("create", 40, 350, 120, 80);
    m_Edit = button("edit", 307, 350, 120, 80);
    m_Copy = button("copy", 570, 350, 120, 80);
    m_Help = button("help", 699, 55, 51, 41);
}

void MainWindow::setUpTranslataion()
{
    m_Burn->SetBackGround(":/nwu/mburn1", ":/nwu/mburn2", ":/nwu/mburn3", QString(), tr("Burn"),
                          tr("Make bootable USB or DVD/CD from ISO"), 1);
    m_Extract->SetBackGround(":/nwu/Extract1", ":/nwu/Extract2", ":/nwu/Extract3", QString(), tr("Extract"),
                             tr("Extract content from ISO"), 1);
    m_Create->SetBackGround(":/nwu/Create1", ":/nwu/Create2", ":/nwu/Create3", QString(), tr("Create"),
                            tr("Create ISO from files or folders"), 1);
    m_Edit->SetBackGround(":/nwu/Edit1", ":/nwu/Edit2", ":/nwu/Edit3", QString(), tr("Edit"),
                          tr("\n Add, delete, rename \n content in ISO file"), 1);
    m_Copy->SetBackGround(":/nwu/Copy-Disc1", ":/nwu/Copy-Disc2", ":/nwu/Copy-Disc3", QString(),
                          tr("Copy Disk"), tr("\n Make ISO file from \n CD/DVD disc"), 1);
    m_Help->SetBackGround(":/nwu/help_1", ":/nwu/help_2", ":/nwu/help_3", QString(), QString(), QString(), 2);
}

void MainWindow::onMenu()
{
    delete g_HelpMenu;
    g_HelpMenu = new QMenu(tr("Help"));
    QMenu* languages = new QMenu(tr("Language(&L)"), this);
    typedef void (MainWindow::*Switch)();
    const Switch switches[] = {&MainWindow::onEnglish, &MainWindow::onChinese, &MainWindow::onJapanese,
                               &MainWindow::onFrench, &MainWindow::onGerman, &MainWindow::onSpanish,
                               &MainWindow::onPortuguese, &MainWindow::onPolish, &MainWindow::onItalian,
                               &MainWindow::onRussian, &MainWindow::onNetherlands, &MainWindow::onSwitzerland};
    auto* group = new QActionGroup(languages);
    for (int i = 0; i < Languages::count(); ++i) {
        QAction* entry = languages->addAction(Languages::ownName(i));
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, switches[i]);
    }
    g_HelpMenu->addMenu(languages);
    markCurrentLanguage();
    QAction* help = g_HelpMenu->addAction(tr("Help(&H)"), this, &MainWindow::onHelp);
    help->setShortcut(QKeySequence(tr("CTRL+H")));
    QAction* about = g_HelpMenu->addAction(tr("About Us(&U)"), this, &MainWindow::aboutus);
    about->setShortcut(QKeySequence(tr("CTRL+U")));
    g_HelpMenu->addSeparator();
    QAction* exitAction = g_HelpMenu->addAction(tr("Exit(&E)"), this, &QWidget::close);
    exitAction->setShortcut(QKeySequence(tr("CTRL+E")));
    QMenuBar* bar = new QMenuBar(this);
    setMenuBar(bar);
    bar->addMenu(g_HelpMenu);
#ifndef Q_OS_MACOS
    // Without a global menu bar the menu would cover the title band: keep
    // the bar hidden, let the window carry the shortcuts and open the menu
    // under the menu area when that area is clicked.
    bar->hide();
    addActions({help, about, exitAction});
    if (sender() == m_MenuArea)
        g_HelpMenu->popup(m_MenuArea->mapToGlobal(QPoint(0, m_MenuArea->height())));
#endif
}

// Exits at once, yet leaves no tool running and nothing half written:
// the tools end first, so that none writes after its files are removed.
void MainWindow::onClose()
{
    endPagesWork();
    CRunCommandThread::terminateAll();
    HalfWritten::discardAll();
    ::_Exit(0);
}

void MainWindow::endPagesWork()
{
    for (CPage5* page : findChildren<CPage5*>(QString(), Qt::FindDirectChildrenOnly))
        page->StopCreate();
}

void MainWindow::onMin()
{
    showMinimized();
}

void MainWindow::showPage(ImageDialog* page, const QPoint& position, const std::function<void()>& beforeShow)
{
    page->setParent(this);
    if (beforeShow)
        beforeShow();
    page->move(position);
    page->SetMoveable(false);
    page->show();
    m_CurrentPage = page;
}

void MainWindow::onBurn()
{
    // Built inside the window, so that it follows the window's drive changes.
    showPage(new CBurnDialog(this), QPoint(1, 107));
}

void MainWindow::onExtract()
{
    auto* page = new CPage2;
    showPage(page, QPoint(1, 107), [page] { page->InitializeUI(); });
}

void MainWindow::openImage(const QString& path)
{
    onExtract();
    auto* page = static_cast<CPage2*>(m_CurrentPage);
    if (!page->OpenImage(path))
        Util::ShowError(tr("The file %1 does not exist. Choose an ISO image with Load ISO.").arg(path));
}

void MainWindow::onCreate()
{
    showPage(new CPage3, QPoint(1, 107));
}

void MainWindow::onEdit()
{
    auto* page = new CPage4;
    page->setParent(this);
    page->InitializeUI();
    showPage(page, QPoint(3, 107));
}

void MainWindow::onCopy()
{
    // Built inside the window, so that it follows the window's drive changes.
    showPage(new CPage5(this), QPoint(1, 107));
}

void MainWindow::onHelp()
{
    const QString address = tr("https://quillmere.app/help");
    if (!QDesktopServices::openUrl(QUrl(address)))
        Util::ShowError(tr("No web browser could be started. The help pages are at %1.").arg(address));
}

void MainWindow::aboutus()
{
    CAboutusDialog dialog;
    dialog.show();
    dialog.exec();
}

void MainWindow::switchLanguage(int index)
{
    const LanguageChoice choice = Languages::menuEntry(index);
    const QString path = Languages::cataloguePath(choice);
    QApplication::removeTranslator(m_Translator);
    m_Translator->load(path); // a missing catalogue leaves the translator empty
    qDebug() << path;
    QApplication::installTranslator(m_Translator);
    if (m_Translator->isEmpty()) {
        // Installing an empty translator sends no language change, yet the
        // texts must fall back to the start-up catalogue everywhere.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qApp, &change);
    }
    setUpTranslataion();
    golbalLangue = choice.number;
    markCurrentLanguage();
    Startup::chooseAskpass(Util::GetCurrentExePath(), golbalLangue);
}

void MainWindow::onEnglish() { switchLanguage(0); }
void MainWindow::onChinese() { switchLanguage(1); }
void MainWindow::onJapanese() { switchLanguage(2); }
void MainWindow::onFrench() { switchLanguage(3); }
void MainWindow::onGerman() { switchLanguage(4); }
void MainWindow::onSpanish() { switchLanguage(5); }
void MainWindow::onPortuguese() { switchLanguage(6); }
void MainWindow::onPolish() { switchLanguage(7); }
void MainWindow::onItalian() { switchLanguage(8); }
void MainWindow::onRussian() { switchLanguage(9); }
void MainWindow::onNetherlands() { switchLanguage(10); }
void MainWindow::onSwitzerland() { switchLanguage(11); }
