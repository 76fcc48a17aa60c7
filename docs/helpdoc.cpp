// Renders the user guide, written in Markdown, to a PDF document:
//     kelvane-helpdoc <guide.md> <help.pdf>
// Runs without a display: it draws on Qt's offscreen platform.

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>

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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
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

    QFile::remove(pdfPath);
    {
        QPdfWriter pdf(pdfPath);
        pdf.setTitle("Kelvane Text File Merger - User Guide");
        pdf.setCreator("Kelvane Text File Merger");
        // The document adds its own margin of 2 cm on every side when it is printed.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        guide.print(&pdf);
    }

    if (QFileInfo(pdfPath).size() == 0) {
        std::fprintf(stderr, "kelvane-helpdoc: can't write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
