// Renders the interface pictures from SVG templates at build time.
//
// Usage: picturegen MANIFEST TEMPLATE_DIR OUT_DIR
//
// Each manifest line describes one picture family:
//   NAMES TEMPLATE WIDTHxHEIGHT [key=value ...]
// NAMES may hold one brace group, "Back{1,2,3}", which expands to one
// picture per element; the element's index is the picture's state
// (0 normal, 1 hover, 2 pressed, 3 disabled). A value written as
// "a|b|c|d" takes the alternative of the state's index (the last one when
// there are fewer). Templates use ${key}, ${w} and ${h}. Lines starting
// with '#' and blank lines are ignored.
//
// Writes OUT_DIR/NAME.png for every picture and OUT_DIR/pictures.qrc,
// which lists them under the prefix "/nwu" with the bare name as alias.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

namespace {

struct Picture {
    QString name;
    int state = 0;
};

QList<Picture> expandNames(const QString& spec)
{
    const int open = spec.indexOf('{');
    const int close = spec.indexOf('}', open);
    if (open < 0 || close < 0)
        return {Picture{spec, 0}};
    const QString head = spec.left(open);
    const QString tail = spec.mid(close + 1);
    QList<Picture> result;
    const QStringList parts = spec.mid(open + 1, close - open - 1).split(',');
    for (int i = 0; i < parts.size(); ++i)
        result.append(Picture{head + parts[i] + tail, i});
    return result;
}

QString valueForState(const QString& value, int state)
{
    const QStringList alternatives = value.split('|');
    return alternatives.value(qMin(state, alternatives.size() - 1));
}

QString substitute(QString text, const QMap<QString, QString>& vars, int state)
{
    // Values may refer to other keys, so substitute until nothing changes.
    for (int pass = 0; pass < 4; ++pass) {
        QString before = text;
        for (auto it = vars.constBegin(); it != vars.constEnd(); ++it)
            text.replace("${" + it.key() + "}", valueForState(it.value(), state));
        if (before == text)
            break;
    }
    return text;
}

bool render(const QByteArray& svg, const QSize& size, const QString& out)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return false;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.save(out, "PNG");
}

int fail(const QString& message)
{
    std::fprintf(stderr, "picturegen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail("usage: picturegen MANIFEST TEMPLATE_DIR OUT_DIR");
    QFile manifest(args[1]);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail("cannot read " + args[1]);
    const QDir templates(args[2]);
    QDir().mkpath(args[3]);
    const QDir out(args[3]);

    QStringList qrcEntries;
    int lineNumber = 0;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split(QRegularExpression("\\s+"));
        const QString where = QString("%1:%2: ").arg(args[1]).arg(lineNumber);
        if (fields.size() < 3)
            return fail(where + "expected NAMES TEMPLATE WIDTHxHEIGHT");
        const QStringList dims = fields[2].split('x');
        const QSize size(dims.value(0).toInt(), dims.value(1).toInt());
        if (dims.size() != 2 || size.isEmpty())
            return fail(where + "bad size " + fields[2]);
        QFile templateFile(templates.filePath(fields[1]));
        if (!templateFile.open(QIODevice::ReadOnly))
            return fail(where + "cannot read template " + fields[1]);
        const QString templateText = QString::fromUtf8(templateFile.readAll());

        QMap<QString, QString> vars{{"w", QString::number(size.width())},
                                    {"h", QString::number(size.height())}};
        for (int i = 3; i < fields.size(); ++i) {
            const int eq = fields[i].indexOf('=');
            if (eq <= 0)
                return fail(where + "bad variable " + fields[i]);
            vars.insert(fields[i].left(eq), fields[i].mid(eq + 1));
        }
        for (const Picture& picture : expandNames(fields[0])) {
            const QString svg = substitute(templateText, vars, picture.state);
            const QString file = picture.name + ".png";
            if (!render(svg.toUtf8(), size, out.filePath(file)))
                return fail(where + "cannot render " + picture.name);
            qrcEntries << QString("    <file alias=\"%1\">%2</file>").arg(picture.name, file);
        }
    }

    QFile qrc(out.filePath("pictures.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return fail("cannot write pictures.qrc");
    QTextStream qrcOut(&qrc);
    qrcOut << "<RCC>\n  <qresource prefix=\"/nwu\">\n" << qrcEntries.join('\n')
           << "\n  </qresource>\n</RCC>\n";
    return 0;
}
