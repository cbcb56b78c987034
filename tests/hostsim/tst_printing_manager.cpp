// The stand-in host's printing manager: PDF and PostScript files read back for their pages,
// drawing and colours, failures that leave no files, and its place in the host.

#include <hostsim/Host.h>
#include <hostsim/export/PagePicture.h>
#include <hostsim/printing/GreyConversion.h>
#include <hostsim/printing/GreyPaintDevice.h>
#include <hostsim/printing/PrintingManager.h>

#include <kxsdkintegrationmanager/Manager.h>
#include <kxsdkintegrationmanager/PrinterTransfer.h>
#include <kxsdkbase/Enumerations.h>
#include <kxtoolbox/CheckedStyleValue.h>

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "support/FolderEntries.h"

#include <cmath>
#include <memory>

using kestrix::hostsim::Host;
using kestrix::hostsim::exporting::PagePicture;
using kestrix::hostsim::printing::GreyConversion;
using kestrix::hostsim::printing::GreyPaintDevice;
using kestrix::hostsim::printing::PrintingManager;
using kestrix::sdk::integration::Manager;
using kestrix::testing::FolderEntries;
using kestrix::toolbox::CheckedStyleValue;
using kestrix::toolbox::StyleValue;

namespace {

// What a PDF file holds, read back for checking: its page objects, its drawing (every content
// and pattern stream, decompressed), its images and the colours it paints with.
class PdfContent {
public:
    struct Image {
        int width = 0;
        int height = 0;
        QString colourSpace;
    };

    explicit PdfContent(const QByteArray& file) : m_file(file), m_text(QString::fromLatin1(file))
    {
        static const QRegularExpression objectStart(QStringLiteral(R"((?:^|\s)(\d+) 0 obj\b)"));
        qsizetype position = 0;
        for (;;) {
            const QRegularExpressionMatch start = objectStart.match(m_text, position);
            if (!start.hasMatch())
                break;
            const qsizetype body = start.capturedEnd();
            const qsizetype end = m_text.indexOf(QLatin1String("endobj"), body);
            if (end < 0)
                break;
            const qsizetype stream = m_text.indexOf(QLatin1String("stream"), body);
            if (stream < 0 || stream > end) {
                m_dictionaries << m_text.mid(body, end - body);
                position = end + 6;
                continue;
            }
            const QString dictionary = m_text.mid(body, stream - body);
            qsizetype data = stream + 6;
            if (m_text.mid(data, 2) == QLatin1String("\r\n"))
                data += 2;
            else if (m_text.at(data) == QLatin1Char('\n'))
                data += 1;
            const qsizetype length = streamLength(dictionary);
            if (length < 0 || data + length > m_file.size()) {
                m_valid = false;
                break;
            }
            readStream(dictionary, m_file.mid(data, length));
            m_dictionaries << dictionary;
            position = m_text.indexOf(QLatin1String("endobj"), data + length);
            if (position < 0)
                break;
            position += 6;
        }
        m_valid = m_valid && m_file.startsWith("%PDF-") && !m_dictionaries.isEmpty();
    }

    bool isValid() const { return m_valid; }

    int pageCount() const
    {
        static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page(?![A-Za-z]))"));
        int count = 0;
        for (const QString& dictionary : m_dictionaries)
            count += page.match(dictionary).hasMatch() ? 1 : 0;
        return count;
    }

    const QByteArray& drawing() const { return m_drawing; }
    const QList<Image>& images() const { return m_images; }

    // How often a path operator occurs in the drawing.
    int operatorCount(const char* op) const
    {
        const QRegularExpression pattern(
            QStringLiteral(R"((?:^|\s)%1(?=\s))").arg(QRegularExpression::escape(QLatin1String(op))));
        const QString text = QString::fromLatin1(m_drawing);
        int count = 0;
        for (auto it = pattern.globalMatch(text); it.hasNext(); it.next())
            ++count;
        return count;
    }

    // The RGB colours painted with: operands of the colour operators and the ends of gradients.
    QList<QList<double>> rgbColours() const
    {
        QList<QList<double>> colours;
        static const QRegularExpression colourOperator(
            QStringLiteral(R"(((?:-?[\d.]+\s+){3})(?:/\S+\s+)?(?:scn|SCN|sc|SC|rg|RG)(?=\s))"));
        for (auto it = colourOperator.globalMatch(QString::fromLatin1(m_drawing)); it.hasNext();)
            colours << numbers(it.next().captured(1));
        static const QRegularExpression gradientEnd(QStringLiteral(R"(/C[01]\s*\[([^\]]*)\])"));
        for (const QString& dictionary : m_dictionaries) {
            for (auto it = gradientEnd.globalMatch(dictionary); it.hasNext();)
                colours << numbers(it.next().captured(1));
        }
        return colours;
    }

    int colouredCount() const
    {
        int count = 0;
        for (const QList<double>& colour : rgbColours()) {
            if (colour.size() == 3 && (!qFuzzyCompare(colour[0], colour[1]) || !qFuzzyCompare(colour[1], colour[2])))
                ++count;
        }
        return count;
    }

private:
    static QList<double> numbers(const QString& text)
    {
        QList<double> values;
        for (const QString& number : text.split(QRegularExpression(QStringLiteral(R"(\s+)")), Qt::SkipEmptyParts))
            values << number.toDouble();
        return values;
    }

    qsizetype streamLength(const QString& dictionary) const
    {
        static const QRegularExpression length(QStringLiteral(R"(/Length\s+(\d+)(\s+0\s+R)?)"));
        const QRegularExpressionMatch match = length.match(dictionary);
        if (!match.hasMatch())
            return -1;
        if (match.captured(2).isEmpty())
            return match.captured(1).toLongLong();
        const QRegularExpression object(QStringLiteral(R"((?:^|\s)%1 0 obj\s*(\d+)\s*endobj)").arg(match.captured(1)));
        const QRegularExpressionMatch value = object.match(m_text);
        return value.hasMatch() ? value.captured(1).toLongLong() : -1;
    }

    void readStream(const QString& dictionary, const QByteArray& data)
    {
        if (dictionary.contains(QLatin1String("/Subtype /Image"))) {
            static const QRegularExpression width(QStringLiteral(R"(/Width\s+(\d+))"));
            static const QRegularExpression height(QStringLiteral(R"(/Height\s+(\d+))"));
            static const QRegularExpression colourSpace(QStringLiteral(R"(/ColorSpace\s*(/\w+))"));
            Image image;
            image.width = width.match(dictionary).captured(1).toInt();
            image.height = height.match(dictionary).captured(1).toInt();
            image.colourSpace = colourSpace.match(dictionary).captured(1);
            m_images << image;
            return;
        }
        // Embedded fonts are no drawing.
        if (dictionary.contains(QLatin1String("/Length1")) || dictionary.contains(QLatin1String("/FontFile")))
            return;
        if (!dictionary.contains(QLatin1String("/FlateDecode"))) {
            m_drawing += data + '\n';
            return;
        }
        // qUncompress takes zlib data after the expected size, growing its buffer when short.
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(data.size() * 4), sized.data());
        const QByteArray inflated = qUncompress(sized + data);
        if (inflated.isEmpty())
            m_valid = false;
        m_drawing += inflated + '\n';
    }

    QByteArray m_file;
    QString m_text;
    QStringList m_dictionaries;
    QByteArray m_drawing;
    QList<Image> m_images;
    bool m_valid = true;
};

// PostScript colours as Cairo writes them: "r g b rg" for colours ("v g" for greys) and
// arrays of three for the ends of gradients, which are RGB even when grey.
int colouredPostScriptCount(const QByteArray& postScript)
{
    static const QRegularExpression colour(QStringLiteral(
        R"((?:(?:^|\s)(-?[\d.]+) (-?[\d.]+) (-?[\d.]+) rg(?=\s))|(?:/C[01] \[ (-?[\d.]+) (-?[\d.]+) (-?[\d.]+) \]))"));
    int count = 0;
    for (auto it = colour.globalMatch(QString::fromLatin1(postScript)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const int first = match.captured(1).isEmpty() ? 4 : 1;
        const double red = match.captured(first).toDouble();
        const double green = match.captured(first + 1).toDouble();
        const double blue = match.captured(first + 2).toDouble();
        if (red != green || green != blue)
            ++count;
    }
    return count;
}

[[nodiscard]] bool setPrintSetup(const char* keyword, int value)
{
    return StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", keyword).set(value));
}

// A line plot whose symbols are red spheres, which the renderer shades with gradients.
[[nodiscard]] bool loadSphereScene()
{
    constexpr int Red = 1;
    return Host::instance().loadGeneratedScene(QStringLiteral("xy:3"))
           && StyleValue::returnCodeOk(CheckedStyleValue("LINEPLOTLAYERS", "SHOWSYMBOLS").set(true))
           && StyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "SYMBOLS", "SHOW").set(true))
           && StyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "SYMBOLS", "SIZE").set(6.0))
           && StyleValue::returnCodeOk(CheckedStyleValue("LINEMAP", "SYMBOLS", "COLOR").set(Red))
           && StyleValue::returnCodeOk(
               CheckedStyleValue("LINEMAP", "SYMBOLS", "SYMBOLSHAPE", "GEOMSHAPE").set(int(GeomShape_Sphere)));
}

// A printer with a known paper: letter, landscape, half-inch margins.
std::unique_ptr<QPrinter> printerFor(const QString& fileName, int copies = 1)
{
    auto printer = std::make_unique<QPrinter>();
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                       QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));
    printer->setOutputFileName(fileName);
    printer->setCopyCount(copies);
    return printer;
}

QByteArray contentsOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How far two pictures of the same size differ in grey, on average per pixel (0-255).
double meanGreyDifference(const QImage& a, const QImage& b)
{
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x)
            sum += std::abs(qGray(first.pixel(x, y)) - qGray(second.pixel(x, y)));
    }
    return sum / (static_cast<double>(first.width()) * first.height());
}

QImage whiteImage(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class TestPrintingManager : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hostOffersThePrintingManager();
    void pdfHasOnePagePerCopy_data();
    void pdfHasOnePagePerCopy();
    void vectorPdfDrawsPathsInColour();
    void imagePdfHoldsOnePictureAtTheImageResolution();
    void greyPdfHasNoColour_data();
    void greyPdfHasNoColour();
    void greyPrintsGreyGradients_data();
    void greyPrintsGreyGradients();
    void postScriptHasOnePagePerCopy_data();
    void postScriptHasOnePagePerCopy();
    void greyPostScriptHasNoColour_data();
    void greyPostScriptHasNoColour();
    void otherFileNamesArePdf();
    void settingsAreReadAtPrintTime();

    void missingFolderFails_data();
    void missingFolderFails();
    void tooLargeImagePrintFailsAndKeepsTheFile_data();
    void tooLargeImagePrintFailsAndKeepsTheFile();
    void folderAsFileNameFails();
    void nothingToPrintFails();
    void printerWithoutFileNeedsAPrintQueue();

    void greyDeviceKeepsTheDrawing();
    void greyDeviceTurnsEveryColourGrey();
    void transferChoosesTheOutputFromTheFileName();

private:
    bool print(QPrinter& printer) { return PrintingManager::instance().print(printer); }
    QString lastError() const { return PrintingManager::instance().lastError(); }
};

void TestPrintingManager::init()
{
    Host::instance().loadDemoScene();
}

void TestPrintingManager::cleanup()
{
    Manager::getInstance().setPrintingManager(&PrintingManager::instance());
}

void TestPrintingManager::hostOffersThePrintingManager()
{
    Manager& manager = Manager::getInstance();
    QCOMPARE(manager.getPrintingManager(), &PrintingManager::instance());
    manager.setPrintingManager(nullptr);
    QCOMPARE(manager.getPrintingManager(), nullptr);
    manager.setPrintingManager(&PrintingManager::instance());
    QCOMPARE(manager.getPrintingManager(), &PrintingManager::instance());
}

void TestPrintingManager::pdfHasOnePagePerCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("copies");
    QTest::newRow("one copy") << "page.pdf" << 1;
    QTest::newRow("three copies") << "page.pdf" << 3;
    QTest::newRow("upper-case suffix") << "PAGE.PDF" << 2;
}

void TestPrintingManager::pdfHasOnePagePerCopy()
{
    QFETCH(QString, name);
    QFETCH(int, copies);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString fileName = folder.filePath(name);
    const auto printer = printerFor(fileName, copies);

    QVERIFY2(print(*printer), qPrintable(lastError()));
    QVERIFY(lastError().isEmpty());
    const PdfContent pdf(contentsOf(fileName));
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), copies);
    // The printer keeps its own file name, and is a PDF printer.
    QCOMPARE(printer->outputFileName(), fileName);
    QCOMPARE(printer->outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer->copyCount(), copies);
    QCOMPARE(FolderEntries::of(folder.path()), QStringList{name});
}

void TestPrintingManager::vectorPdfDrawsPathsInColour()
{
    QVERIFY(setPrintSetup("PRINTRENDERTYPE", 0));
    QVERIFY(setPrintSetup("PALETTE", 2));
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("vector.pdf"));
    const auto printer = printerFor(fileName);
    QVERIFY2(print(*printer), qPrintable(lastError()));

    const PdfContent pdf(contentsOf(fileName));
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), 1);
    // The demo's plots are hundreds of lines and filled cells.
    QVERIFY(pdf.operatorCount("m") > 100);
    QVERIFY(pdf.operatorCount("l") > 100);
    QVERIFY(pdf.operatorCount("f") + pdf.operatorCount("f*") > 100);
    for (const PdfContent::Image& image : pdf.images())
        QVERIFY2(image.width * image.height <= 10000, "a vector print holds no page-sized picture");
    QVERIFY(pdf.colouredCount() > 0);
    QCOMPARE(printer->colorMode(), QPrinter::Color);
}

void TestPrintingManager::imagePdfHoldsOnePictureAtTheImageResolution()
{
    QVERIFY(setPrintSetup("PRINTRENDERTYPE", 1));
    QVERIFY(setPrintSetup("PALETTE", 2));
    QTemporaryDir folder;
    const PagePicture picture = PagePicture::capture(PagePicture::WorkArea);
    QVERIFY(!picture.isNull());

    for (const int dotsPerInch : {40, 110}) {
        QVERIFY(setPrintSetup("IMAGERESOLUTION", dotsPerInch));
        const QString fileName = folder.filePath(QStringLiteral("image-%1.pdf").arg(dotsPerInch));
        const auto printer = printerFor(fileName, 2);
        QVERIFY2(print(*printer), qPrintable(lastError()));

        const PdfContent pdf(contentsOf(fileName));
        QVERIFY(pdf.isValid());
        QCOMPARE(pdf.pageCount(), 2);
        // One picture, drawn on both pages; no vector drawing besides.
        QCOMPARE(pdf.images().size(), 1);
        QCOMPARE(pdf.operatorCount("l"), 0);
        const QSizeF printable = printer->pageLayout().paintRect(QPageLayout::Inch).size();
        const QSizeF expected = picture.sizeInches().scaled(printable, Qt::KeepAspectRatio) * dotsPerInch;
        const PdfContent::Image image = pdf.images().constFirst();
        QVERIFY2(std::abs(image.width - expected.width()) <= 1.0, qPrintable(QString::number(image.width)));
        QVERIFY2(std::abs(image.height - expected.height()) <= 1.0, qPrintable(QString::number(image.height)));
        QCOMPARE(image.colourSpace, QStringLiteral("/DeviceRGB"));
    }
}

void TestPrintingManager::greyPdfHasNoColour_data()
{
    QTest::addColumn<int>("renderType");
    QTest::newRow("vector") << 0;
    QTest::newRow("image") << 1;
}

void TestPrintingManager::greyPdfHasNoColour()
{
    QFETCH(int, renderType);
    QVERIFY(setPrintSetup("PRINTRENDERTYPE", renderType));
    QVERIFY(setPrintSetup("IMAGERESOLUTION", 60));
    QVERIFY(setPrintSetup("PALETTE", 0));
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("grey.pdf"));
    const auto printer = printerFor(fileName);
    QVERIFY2(print(*printer), qPrintable(lastError()));
    QCOMPARE(printer->colorMode(), QPrinter::GrayScale);

    const PdfContent pdf(contentsOf(fileName));
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), 1);
    QCOMPARE(pdf.colouredCount(), 0);
    for (const PdfContent::Image& image : pdf.images())
        QCOMPARE(image.colourSpace, QStringLiteral("/DeviceGray"));
    if (renderType == 0) {
        QVERIFY(!pdf.rgbColours().isEmpty());
        QVERIFY(pdf.operatorCount("l") > 100);
    } else {
        QCOMPARE(pdf.images().size(), 1);
    }
}

void TestPrintingManager::greyPrintsGreyGradients_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pdf") << "spheres.pdf";
    QTest::newRow("postscript") << "spheres.ps";
}

void TestPrintingManager::greyPrintsGreyGradients()
{
    QFETCH(QString, name);
    QVERIFY(loadSphereScene());
    QTemporaryDir folder;
    const QString fileName = folder.filePath(name);
    const bool pdf = name.endsWith(QLatin1String(".pdf"));
    const auto coloured = [pdf](const QByteArray& file) {
        return pdf ? PdfContent(file).colouredCount() : colouredPostScriptCount(file);
    };

    QVERIFY(setPrintSetup("PALETTE", 2));
    QVERIFY2(print(*printerFor(fileName)), qPrintable(lastError()));
    const QByteArray colour = contentsOf(fileName);
    QVERIFY(coloured(colour) > 0);
    QVERIFY(colour.contains("/ShadingType"));

    QVERIFY(setPrintSetup("PALETTE", 0));
    QVERIFY2(print(*printerFor(fileName)), qPrintable(lastError()));
    const QByteArray grey = contentsOf(fileName);
    QCOMPARE(coloured(grey), 0);
    // Still shaded, in grey.
    QVERIFY(grey.contains("/ShadingType"));
}

void TestPrintingManager::postScriptHasOnePagePerCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("copies");
    QTest::newRow(".ps, one copy") << "page.ps" << 1;
    QTest::newRow(".ps, three copies") << "page.ps" << 3;
    QTest::newRow(".cps, three copies") << "page.cps" << 3;
    QTest::newRow("upper-case suffix") << "PAGE.PS" << 2;
}

void TestPrintingManager::postScriptHasOnePagePerCopy()
{
    QFETCH(QString, name);
    QFETCH(int, copies);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(name);
    const auto printer = printerFor(fileName, copies);

    QVERIFY2(print(*printer), qPrintable(lastError()));
    const QByteArray postScript = contentsOf(fileName);
    QVERIFY(postScript.startsWith("%!PS-Adobe-3.0"));
    QVERIFY(postScript.contains(QByteArray("\n%%Pages: " + QByteArray::number(copies) + '\n')));
    QCOMPARE(postScript.count("\n%%Page: "), copies);
    // Letter, landscape.
    QVERIFY(postScript.contains("%%BoundingBox: 0 0 792 612"));
    QVERIFY(postScript.trimmed().endsWith("%%EOF"));
    QCOMPARE(printer->outputFileName(), fileName);
    QCOMPARE(FolderEntries::of(folder.path()), QStringList{name});
}

void TestPrintingManager::greyPostScriptHasNoColour_data()
{
    QTest::addColumn<int>("renderType");
    QTest::newRow("vector") << 0;
    QTest::newRow("image") << 1;
}

void TestPrintingManager::greyPostScriptHasNoColour()
{
    QFETCH(int, renderType);
    QVERIFY(setPrintSetup("PRINTRENDERTYPE", renderType));
    QVERIFY(setPrintSetup("IMAGERESOLUTION", 60));
    QTemporaryDir folder;

    QVERIFY(setPrintSetup("PALETTE", 2));
    const QString colourName = folder.filePath(QStringLiteral("colour.ps"));
    QVERIFY2(print(*printerFor(colourName)), qPrintable(lastError()));
    const QByteArray colour = contentsOf(colourName);
    if (renderType == 0)
        QVERIFY(colouredPostScriptCount(colour) > 0);
    else
        QVERIFY(colour.contains("/DeviceRGB setcolorspace"));

    QVERIFY(setPrintSetup("PALETTE", 1));
    const QString greyName = folder.filePath(QStringLiteral("grey.ps"));
    QVERIFY2(print(*printerFor(greyName)), qPrintable(lastError()));
    const QByteArray grey = contentsOf(greyName);
    QVERIFY(grey.startsWith("%!PS-Adobe-3.0"));
    QCOMPARE(colouredPostScriptCount(grey), 0);
    QVERIFY(!grey.contains("/DeviceRGB setcolorspace"));
    if (renderType == 1)
        QVERIFY(grey.contains("/DeviceGray setcolorspace"));
}

void TestPrintingManager::otherFileNamesArePdf()
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("page.prn"));
    const auto printer = printerFor(fileName, 2);
    QVERIFY2(print(*printer), qPrintable(lastError()));
    const PdfContent pdf(contentsOf(fileName));
    QVERIFY(pdf.isValid());
    QCOMPARE(pdf.pageCount(), 2);
    QCOMPARE(printer->outputFormat(), QPrinter::PdfFormat);
}

void TestPrintingManager::settingsAreReadAtPrintTime()
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("page.pdf"));
    const auto printer = printerFor(fileName);
    printer->setColorMode(QPrinter::GrayScale);

    QVERIFY(setPrintSetup("PALETTE", 2));
    QVERIFY2(print(*printer), qPrintable(lastError()));
    QCOMPARE(printer->colorMode(), QPrinter::Color);
    QVERIFY(PdfContent(contentsOf(fileName)).colouredCount() > 0);

    // The same printer prints grey once the kernel says so, over the earlier file.
    QVERIFY(setPrintSetup("PALETTE", 0));
    QVERIFY2(print(*printer), qPrintable(lastError()));
    QCOMPARE(printer->colorMode(), QPrinter::GrayScale);
    const PdfContent grey(contentsOf(fileName));
    QVERIFY(grey.isValid());
    QCOMPARE(grey.colouredCount(), 0);
    QCOMPARE(FolderEntries::of(folder.path()), QStringList{QStringLiteral("page.pdf")});
}

void TestPrintingManager::missingFolderFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pdf") << "page.pdf";
    QTest::newRow("postscript") << "page.ps";
}

void TestPrintingManager::missingFolderFails()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing"));
    const QString fileName = missing + QLatin1Char('/') + name;

    QVERIFY(!print(*printerFor(fileName)));
    QVERIFY2(lastError().contains(QLatin1String("does not exist")), qPrintable(lastError()));
    QVERIFY2(lastError().contains(QDir::toNativeSeparators(missing)), qPrintable(lastError()));
    QVERIFY(!QFileInfo::exists(fileName));
    QVERIFY(FolderEntries::of(folder.path()).isEmpty());
}

void TestPrintingManager::tooLargeImagePrintFailsAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pdf") << "page.pdf";
    QTest::newRow("postscript") << "page.ps";
}

void TestPrintingManager::tooLargeImagePrintFailsAndKeepsTheFile()
{
    QFETCH(QString, name);
    QVERIFY(setPrintSetup("PRINTRENDERTYPE", 1));
    QVERIFY(setPrintSetup("IMAGERESOLUTION", 100000));
    QTemporaryDir folder;
    const QString fileName = folder.filePath(name);
    {
        QFile earlier(fileName);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier print");
    }

    QVERIFY(!print(*printerFor(fileName)));
    QVERIFY2(lastError().contains(QLatin1String("pixels")), qPrintable(lastError()));
    QVERIFY2(lastError().contains(QLatin1String("100000 dpi")), qPrintable(lastError()));
    QCOMPARE(contentsOf(fileName), QByteArray("earlier print"));
    QCOMPARE(FolderEntries::of(folder.path()), QStringList{name});

    // A successful print afterwards clears the error.
    QVERIFY(setPrintSetup("IMAGERESOLUTION", 30));
    QVERIFY2(print(*printerFor(fileName)), qPrintable(lastError()));
    QVERIFY(lastError().isEmpty());
    QVERIFY(contentsOf(fileName) != QByteArray("earlier print"));
}

void TestPrintingManager::folderAsFileNameFails()
{
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("page.pdf")));
    QVERIFY(!print(*printerFor(folder.filePath(QStringLiteral("page.pdf")))));
    QVERIFY2(lastError().contains(QLatin1String("folder")), qPrintable(lastError()));
    QCOMPARE(FolderEntries::of(folder.path()), QStringList{QStringLiteral("page.pdf")});
    QVERIFY(FolderEntries::of(folder.filePath(QStringLiteral("page.pdf"))).isEmpty());
}

void TestPrintingManager::nothingToPrintFails()
{
    Host::instance().clearScene();
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("page.pdf"));
    QVERIFY(!print(*printerFor(fileName)));
    QVERIFY2(lastError().contains(QLatin1String("nothing to print")), qPrintable(lastError()));
    QVERIFY(FolderEntries::of(folder.path()).isEmpty());

    // A generated scene prints again.
    QVERIFY(Host::instance().loadGeneratedScene(QStringLiteral("xy:3")));
    QVERIFY2(print(*printerFor(fileName)), qPrintable(lastError()));
    QCOMPARE(PdfContent(contentsOf(fileName)).pageCount(), 1);
}

void TestPrintingManager::printerWithoutFileNeedsAPrintQueue()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("This system has printers; the test sends no print to them.");
    QPrinter printer;
    printer.setOutputFileName(QString());
    QVERIFY(!print(printer));
    QVERIFY(!lastError().isEmpty());
    QVERIFY2(lastError().contains(QLatin1String("print")), qPrintable(lastError()));
}

void TestPrintingManager::greyDeviceKeepsTheDrawing()
{
    const PagePicture picture = PagePicture::capture(PagePicture::WorkArea);
    QVERIFY(!picture.isNull());
    const QSize size(660, 510);
    const QRectF area(QPointF(0.0, 0.0), QSizeF(550.0, 425.0));

    // The target painter's own transformation stays under what the device draws, and is the
    // painter's own again afterwards.
    QImage direct = whiteImage(size);
    {
        QPainter painter(&direct);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(70.0, 45.0);
        picture.paint(painter, area);
    }
    QImage throughDevice = whiteImage(size);
    {
        QPainter painter(&throughDevice);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(70.0, 45.0);
        GreyPaintDevice device(painter);
        QPainter greyPainter(&device);
        QVERIFY(greyPainter.isActive());
        picture.paint(greyPainter, area);
        greyPainter.end();
        QCOMPARE(painter.worldTransform(), QTransform::fromTranslate(70.0, 45.0));
    }
    QVERIFY(throughDevice.allGray());
    QVERIFY(!direct.allGray());
    // Text comes through as outlines, which antialias a little differently; everything else
    // lands on the same pixels.
    const double difference = meanGreyDifference(GreyConversion::image(direct), throughDevice);
    QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));
    // A shifted drawing would differ a lot.
    QImage shifted = whiteImage(size);
    {
        QPainter painter(&shifted);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(72.0, 45.0);
        picture.paint(painter, area);
    }
    QVERIFY(meanGreyDifference(GreyConversion::image(shifted), throughDevice) > 3.0 * difference);
}

void TestPrintingManager::greyDeviceTurnsEveryColourGrey()
{
    const auto draw = [](QPainter& painter) {
        QLinearGradient gradient(0.0, 0.0, 120.0, 0.0);
        gradient.setColorAt(0.0, Qt::red);
        gradient.setColorAt(1.0, Qt::blue);
        // Clipped to its left half, and the clip undone for what follows.
        painter.save();
        painter.setClipRect(QRectF(0.0, 0.0, 60.0, 150.0));
        painter.fillRect(QRectF(0.0, 0.0, 120.0, 40.0), gradient);
        painter.restore();
        QImage texture(8, 8, QImage::Format_RGB32);
        texture.fill(Qt::darkCyan);
        painter.fillRect(QRectF(0.0, 50.0, 120.0, 30.0), QBrush(texture));
        QImage translucent(30, 30, QImage::Format_ARGB32);
        translucent.fill(QColor(255, 120, 0, 160));
        painter.drawImage(QPointF(0.0, 90.0), translucent);
        QPixmap pixmap(30, 30);
        pixmap.fill(Qt::magenta);
        painter.drawPixmap(QPointF(40.0, 90.0), pixmap);
        painter.setPen(QPen(Qt::green, 3.0));
        painter.setBrush(Qt::yellow);
        painter.drawEllipse(QRectF(80.0, 90.0, 30.0, 30.0));
        painter.drawText(QPointF(0.0, 140.0), QStringLiteral("Cp"));
    };
    QImage direct = whiteImage(QSize(130, 150));
    {
        QPainter painter(&direct);
        draw(painter);
    }
    QImage throughDevice = whiteImage(QSize(130, 150));
    {
        QPainter painter(&throughDevice);
        GreyPaintDevice device(painter);
        QPainter greyPainter(&device);
        draw(greyPainter);
    }
    QVERIFY(!direct.allGray());
    QVERIFY(throughDevice.allGray());
    const double difference = meanGreyDifference(GreyConversion::image(direct), throughDevice);
    QVERIFY2(difference < 2.0, qPrintable(QString::number(difference)));
}

void TestPrintingManager::transferChoosesTheOutputFromTheFileName()
{
    using kestrix::sdk::integration::UpdatePrinterFromKernel;
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE").set(true)));
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "NUMHARDCOPYCOPIES").set(4)));
    QVERIFY(setPrintSetup("PALETTE", 0));

    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PRINTFNAME").set(std::string("/tmp/wing.pdf"))));
    QPrinter printer;
    UpdatePrinterFromKernel(printer);
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/wing.pdf"));
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer.copyCount(), 4);
    QCOMPARE(printer.colorMode(), QPrinter::GrayScale);

    // A PostScript name stays, for the printing manager to write PostScript.
    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "PRINTFNAME").set(std::string("/tmp/wing.cps"))));
    UpdatePrinterFromKernel(printer);
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/wing.cps"));

    QVERIFY(StyleValue::returnCodeOk(CheckedStyleValue("PRINTSETUP", "SENDPRINTTOFILE").set(false)));
    QVERIFY(setPrintSetup("PALETTE", 2));
    UpdatePrinterFromKernel(printer);
    QCOMPARE(printer.outputFileName(), QString());
    QCOMPARE(printer.colorMode(), QPrinter::Color);
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QCOMPARE(printer.outputFormat(), QPrinter::NativeFormat);
}

QTEST_MAIN(TestPrintingManager)
#include "tst_printing_manager.moc"
