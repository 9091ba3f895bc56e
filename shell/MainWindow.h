#pragma once

#include "widgets/CBaseMainWindow.h"

#include <QTranslator>
#include <functional>

class CImageButton;
class ImageDialog;
class QMenu;

// The home window: five feature buttons, help, close and minimise controls
// and the "Help" menu. Feature pages open embedded below the title band.
class MainWindow : public CBaseMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void setUpTranslataion();
    // Opens the Extract page with the image at path listed, as for an image
    // opened with the application; a missing file is reported there.
    void openImage(const QString& path);
    // The page shown last, for tests and the screenshot tool.
    ImageDialog* currentPage() const { return m_CurrentPage; }
    // What the close control does before the program ends at once: the
    // Copy Disk pages end their copy and remove its unfinished image.
    void endPagesWork();

signals:
    void sigdrivechange();

public slots:
    void onClose();
    void onMin();
    void onMenu();
    void onBurn();
    void onExtract();
    void onCreate();
    void onEdit();
    void onCopy();
    void onHelp();
    void aboutus();
    void onEnglish();
    void onChinese();
    void onJapanese();
    void onFrench();
    void onGerman();
    void onSpanish();
    void onPortuguese();
    void onPolish();
    void onItalian();
    void onRussian();
    void onNetherlands();
    void onSwitzerland();

private:
    void buildForm();
    void switchLanguage(int index);
    // beforeShow runs once the page is a child of the window.
    void showPage(ImageDialog* page, const QPoint& position, const std::function<void()>& beforeShow = {});

    CImageButton* m_Close = nullptr;
    CImageButton* m_Min = nullptr;
    CImageButton* m_MenuArea = nullptr;
    CImageButton* m_Burn = nullptr;
    CImageButton* m_Extract = nullptr;
    CImageButton* m_Create = nullptr;
    CImageButton* m_Edit = nullptr;
    CImageButton* m_Copy = nullptr;
    CImageButton* m_Help = nullptr;
    QTranslator* m_Translator = nullptr;
    ImageDialog* m_CurrentPage = nullptr;
};
