// Renders the user guide, written in Markdown, to a PDF document:
//     kelvane-helpdoc <guide.md> <help.pdf>
// Runs without a display: it draws on Qt's offscreen platform. One guide gives the same file at
// every run: Qt's hashes, which order the fonts' tables, are seeded alike, and the document's
// creation date is SOURCE_DATE_EPOCH's (the time of the source) when it is set.

#include <time.h>
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimeZone>
#include <cstdio>
#include <cstdlib>

namespace {

// Tables with a shaded header row that repeats on every page, and a rule under every row.
void StyleTables(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setBorder(0);
            format.setCellSpacing(0);
            format.setCellPadding(5);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setHeaderRowCount(1);
            table->setFormat(format);
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 0; column < table->columns(); ++column) {
                    QTextTableCell cell = table->cellAt(row, column);
                    QTextTableCellFormat rule = cell.format().toTableCellFormat();
                    rule.setBottomBorder(1);
                    rule.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                    rule.setBottomBorderBrush(QColor(150, 150, 150));
                    if (row == 0) {
                        rule.setBackground(QColor(225, 225, 225));
                    }
                    cell.setFormat(rule);
                }
            }
        }
        StyleTables(child);
    }
}

// Writes the PDF's creation date as `epoch` (seconds since 1970) in UTC. The writer tells its
// own time there in UTC, D:YYYYMMDDHHmmSSZ, and the date keeps its length, so no offset the
// file holds moves.
bool SetCreationDate(QByteArray& pdf, const QByteArray& epoch) {
    bool ok = false;
    const qint64 seconds = epoch.toLongLong(&ok);
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    if (!ok || at < 0 || pdf.mid(at + key.size() + 14, 2) != "Z)") {
        return false;
    }
    const QByteArray date = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc())
                                .toString("yyyyMMddHHmmss")
                                .toLatin1();
    if (date.size() != 14) {
        return false;
    }
    pdf.replace(at + key.size(), 14, date);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    tzset();
    QHashSeed::setDeterministicGlobalSeed();
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvane-helpdoc <guide.md> <help.pdf>\n");
        return 2;
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString pdfPath = QString::fromLocal8Bit(argv[2]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kelvane-helpdoc: can't read %s\n", argv[1]);
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());

    QFont body;
    body.setFamilies({"DejaVu Sans", "Liberation Sans", "Arial"});
    body.setStyleHint(QFont::SansSerif);
    body.setPointSizeF(10.5);

    QTextDocument guide;
    guide.setDefaultFont(body);
    guide.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    StyleTables(guide.rootFrame());

    QBuffer rendered;
    rendered.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&rendered);
        pdf.setTitle("Kelvane Text File Merger - User Guide");
        pdf.setCreator("Kelvane Text File Merger");
        // The document adds its own margin of 2 cm on every side when it is printed.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        guide.print(&pdf);
    }

    QByteArray document = rendered.data();
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    if (!epoch.isEmpty() && !SetCreationDate(document, epoch)) {
        std::fprintf(stderr, "kelvane-helpdoc: can't date the guide SOURCE_DATE_EPOCH=%s\n",
                     epoch.constData());
        return 1;
    }

    QFile::remove(pdfPath);
    QFile out(pdfPath);
    if (document.isEmpty() || !out.open(QIODevice::WriteOnly) ||
        out.write(document) != document.size() || !out.flush()) {
        std::fprintf(stderr, "kelvane-helpdoc: can't write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
