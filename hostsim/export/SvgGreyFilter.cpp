#include "SvgGreyFilter.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace kestrix::hostsim::exporting {

namespace {

const QLatin1String ColourProperties[] = {QLatin1String("fill"),        QLatin1String("stroke"),
                                          QLatin1String("stop-color"),  QLatin1String("color"),
                                          QLatin1String("flood-color"), QLatin1String("lighting-color")};

bool isColourProperty(QStringView name)
{
    for (const QLatin1String property : ColourProperties) {
        if (name == property)
            return true;
    }
    return false;
}

// Keywords such as "none", "currentColor" and references "url(#gradient1)" are not colours
// and stay as they are.
QString greyColour(const QString& value)
{
    const QString trimmed = value.trimmed();
    if (!QColor::isValidColor(trimmed))
        return value;
    const QColor colour(trimmed);
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey).name();
}

QString greyStyle(const QString& style)
{
    QStringList declarations = style.split(QLatin1Char(';'));
    for (QString& declaration : declarations) {
        const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString property = declaration.left(colon).trimmed();
        if (isColourProperty(property))
            declaration = declaration.left(colon + 1) + greyColour(declaration.mid(colon + 1));
    }
    return declarations.join(QLatin1Char(';'));
}

// An embedded picture ("data:image/png;base64,...") becomes the same picture in grey.
QString greyPicture(const QString& reference)
{
    const QLatin1String marker(";base64,");
    const qsizetype start = reference.indexOf(marker);
    if (!reference.startsWith(QLatin1String("data:image/")) || start < 0)
        return reference;
    const QImage picture = QImage::fromData(QByteArray::fromBase64(reference.mid(start + marker.size()).toLatin1()));
    if (picture.isNull())
        return reference;
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = qGray(line[x]);
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    grey.save(&buffer, "PNG");
    return QLatin1String("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

QXmlStreamAttribute greyAttribute(const QXmlStreamAttribute& attribute)
{
    const QStringView name = attribute.name();
    QString value = attribute.value().toString();
    if (isColourProperty(name))
        value = greyColour(value);
    else if (name == QLatin1String("style"))
        value = greyStyle(value);
    else if (name == QLatin1String("href"))
        value = greyPicture(value);
    else
        return attribute;
    return QXmlStreamAttribute(attribute.namespaceUri().toString(), name.toString(), value);
}

} // namespace

QByteArray SvgGreyFilter::apply(const QByteArray& svg)
{
    QByteArray grey;
    QXmlStreamReader reader(svg);
    QXmlStreamWriter writer(&grey);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            return svg;
        if (reader.tokenType() != QXmlStreamReader::StartElement) {
            writer.writeCurrentToken(reader);
            continue;
        }
        // Declared before the element starts, so that the element takes its own prefixes
        // rather than ones the writer would make up.
        for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
            if (declaration.prefix().isEmpty())
                writer.writeDefaultNamespace(declaration.namespaceUri().toString());
            else
                writer.writeNamespace(declaration.namespaceUri().toString(), declaration.prefix().toString());
        }
        writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
        for (const QXmlStreamAttribute& attribute : reader.attributes())
            writer.writeAttribute(greyAttribute(attribute));
    }
    return grey;
}

} // namespace kestrix::hostsim::exporting
