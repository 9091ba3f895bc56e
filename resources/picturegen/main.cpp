// Renders the interface pictures from SVG templates at build time.
//
// Usage: picturegen MANIFEST TEMPLATE_DIR OUT_DIR
//
// Each manifest line describes one picture family:
//   NAMES TEMPLATE WIDTHxHEIGHT [use=STYLE[,STYLE...]] [key=value ...]
// or names a set of values that families can use:
//   style STYLE key=value ...
// NAMES may hold one brace group, "Back{1,2,3}", which expands to one
// picture per element; the element's index is the picture's state
// (0 normal, 1 hover, 2 pressed, 3 disabled). Values are taken from the
// styles in the order given, then from the line itself (later ones win);
// ${w} and ${h} are the picture's size. See TemplateExpander for what a
// template may contain. Lines starting with '#' and blank lines are ignored.
//
// Writes OUT_DIR/NAME.png for every picture and OUT_DIR/pictures.qrc,
// which lists them under the prefix "/nwu" with the bare name as alias.
#include "TemplateExpander.h"

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

using Values = QMap<QString, QString>;

QList<Picture> expandNames(const QString& pattern)
{
    const int open = pattern.indexOf('{');
    const int close = pattern.indexOf('}', open);
    if (open < 0 || close < 0)
        return {Picture{pattern, 0}};
    const QString head = pattern.left(open);
    const QString tail = pattern.mid(close + 1);
    QList<Picture> result;
    const QStringList parts = pattern.mid(open + 1, close - open - 1).split(',');
    for (int i = 0; i < parts.size(); ++i)
        result.append(Picture{head + parts[i] + tail, i});
    return result;
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

// Reads "key=value" fields into values; "use=a,b" merges named styles.
bool readValues(const QStringList& fields, int first, const QMap<QString, Values>& styles, Values* values,
                QString* error)
{
    for (int i = first; i < fields.size(); ++i) {
        const int eq = fields[i].indexOf('=');
        if (eq <= 0) {
            *error = "bad variable " + fields[i];
            return false;
        }
        const QString key = fields[i].left(eq);
        const QString value = fields[i].mid(eq + 1);
        if (key != "use") {
            values->insert(key, value);
            continue;
        }
        for (const QString& style : value.split(',')) {
            if (!styles.contains(style)) {
                *error = "unknown style " + style;
                return false;
            }
            const Values& used = styles[style];
            for (auto it = used.constBegin(); it != used.constEnd(); ++it)
                values->insert(it.key(), it.value());
        }
    }
    return true;
}

class Generator
{
public:
    Generator(const QDir& templates, const QDir& out) : m_Templates(templates), m_Out(out) {}

    bool line(const QString& text, QString* error);
    bool writeQrc();

private:
    bool family(const QStringList& fields, QString* error);

    const QDir m_Templates;
    const QDir m_Out;
    QMap<QString, Values> m_Styles;
    QStringList m_QrcEntries;
};

bool Generator::line(const QString& text, QString* error)
{
    const QStringList fields = text.split(QRegularExpression("\\s+"));
    if (fields[0] != "style")
        return family(fields, error);
    if (fields.size() < 2) {
        *error = "expected style NAME key=value ...";
        return false;
    }
    Values values;
    if (!readValues(fields, 2, m_Styles, &values, error))
        return false;
    m_Styles.insert(fields[1], values);
    return true;
}

bool Generator::family(const QStringList& fields, QString* error)
{
    if (fields.size() < 3) {
        *error = "expected NAMES TEMPLATE WIDTHxHEIGHT";
        return false;
    }
    const QStringList dims = fields[2].split('x');
    const QSize size(dims.value(0).toInt(), dims.value(1).toInt());
    if (dims.size() != 2 || size.isEmpty()) {
        *error = "bad size " + fields[2];
        return false;
    }
    Values values;
    if (!readValues(fields, 3, m_Styles, &values, error))
        return false;
    values.insert("w", QString::number(size.width()));
    values.insert("h", QString::number(size.height()));
    values.insert("template", "@" + fields[1]);
    for (const Picture& picture : expandNames(fields[0])) {
        TemplateExpander expander(m_Templates, values, picture.state);
        QString svg;
        if (!expander.expand("${template}", &svg)) {
            *error = picture.name + ": " + expander.error();
            return false;
        }
        const QString file = picture.name + ".png";
        if (!render(svg.toUtf8(), size, m_Out.filePath(file))) {
            *error = "cannot render " + picture.name;
            return false;
        }
        m_QrcEntries << QString("    <file alias=\"%1\">%2</file>").arg(picture.name, file);
    }
    return true;
}

bool Generator::writeQrc()
{
    QFile qrc(m_Out.filePath("pictures.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream qrcOut(&qrc);
    qrcOut << "<RCC>\n  <qresource prefix=\"/nwu\">\n" << m_QrcEntries.join('\n')
           << "\n  </qresource>\n</RCC>\n";
    return true;
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
    QDir().mkpath(args[3]);
    Generator generator{QDir(args[2]), QDir(args[3])};

    int lineNumber = 0;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QString error;
        if (!generator.line(line, &error))
            return fail(QString("%1:%2: %3").arg(args[1]).arg(lineNumber).arg(error));
    }
    if (!generator.writeQrc())
        return fail("cannot write pictures.qrc");
    return 0;
}
