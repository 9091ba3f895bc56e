#pragma once

#include "FakeTool.h"
#include "ModalAnswerer.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class CBurnDialog;

// Drives Burn pages against fake disk tools that print the recorded macOS
// output: one USB stick /dev/disk2 (its first partition mounted at a
// folder of the test) and one optical drive /dev/disk4, the image mounted
// by "hdiutil mount" at a folder the test fills. Each driver makes its
// fakes anew; make one per test function.
class BurnPageDriver
{
public:
    BurnPageDriver();

    FakeTool diskutil{"diskutil"};
    FakeTool drutil{"drutil"};
    FakeTool hdiutil{"hdiutil"};
    FakeTool sync{"sync"};
    FakeTool sudo{"sudo"};

    // "diskutil info" of a whole disk or of its first partition, made from
    // the recorded output of a USB stick.
    static QByteArray stickInfo(const QString& device, qint64 size, bool removable = true,
                                const QString& mountPoint = QString());
    // The stick the fakes list: its size, and where "diskutil info" says its
    // first partition is mounted (a folder made for the test when empty).
    void setStick(qint64 size, const QString& mountPoint = QString());
    QString volume() const { return m_Volume; }
    // The folder "hdiutil mount" reports as the mounted image.
    QString imageFolder() const { return m_ImageFolder; }

    // A page inside a window the size of the home window, its lists read.
    CBurnDialog* openPage();
    // Chooses the image and the USB target and clicks Burn; answers the
    // dialogs in order and closes any further one. Returns the texts of
    // every dialog shown, the unexpected ones last.
    QStringList burnUsb(CBurnDialog* page, const QString& iso, const QList<ModalAnswerer::Answer>& answers);
    // The same on any page, whatever tools it finds; the USB list is not read again.
    static QStringList clickBurn(CBurnDialog* page, const QString& iso, const QList<ModalAnswerer::Answer>& answers);
    // The answers of a burn that goes all the way: confirm, then the end.
    static QList<ModalAnswerer::Answer> confirmAndClose();

    // The calls made to the fakes, each "tool arg arg ...".
    static QStringList journal();

private:
    QWidget m_Window;
    QString m_Volume;
    QString m_ImageFolder;
};
