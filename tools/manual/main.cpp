// zarvell-manual: builds a user manual PDF from its text source, with pictures of the window
// in the manual's language taken from the program itself on the offscreen platform.
//
// Usage: zarvell-manual SOURCE LANGUAGE OUTPUT.pdf   (LANGUAGE: ENGLISH, DEUTSCH, FRANCE, CESKY)
//
// The source is plain text: "# " starts the title, "## " a section, "- " an item of a list,
// "[page N]" puts the picture of notebook page N (1..4) there, and a blank line ends a
// paragraph.
#include <QApplication>
#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <string>
#include <vector>

#include "qt/program.h"
#include "qt/screenshots.h"
#include "sim/in_process_ports.h"

namespace {

using zarvell::qt::Program;

// A4 in points less the margins, and the pictures as wide as the text.
constexpr double kMarginPoints = 51;
const QSizeF kTextArea(595 - 2 * kMarginPoints, 842 - 2 * kMarginPoints);
constexpr int kPictureWidth = 480;

// The window on each notebook page, as the program shows it in the language.
std::vector<QImage> PagePictures(const std::string& language) {
  QTemporaryDir config;
  zarvell::sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  Program program(config.path().toStdString(), std::vector<std::string>{language}, com1.ports);
  zarvell::qt::FormView& view = program.view();
  const zarvell::ui::ControlIndex notebook = view.model.Find("PageControl1");
  // The whole window as designed: the offscreen platform's screen is narrower, and the window
  // would open at the screen's size with its content scrolled.
  const zarvell::ui::Rect design = view.model.Design(view.form).rect;
  view.root->resize(design.width, design.height);
  std::vector<QImage> pictures;
  zarvell::qt::Settle(200);
  for (int page = 0; page < 4; ++page) {
    program.hub().Run([&] { zarvell::ui::DeliverPage(view.model, view.events, notebook, page); },
                      &view, notebook);
    zarvell::qt::Settle(150);
    pictures.push_back(view.root->grab().toImage());
  }
  program.mainWindow().close();
  return pictures;
}

QString Html(const QString& source) {
  QString html = QStringLiteral("<html><body>");
  bool inList = false;
  QString paragraph;
  auto flush = [&] {
    if (!paragraph.isEmpty()) html += "<p>" + paragraph.toHtmlEscaped() + "</p>";
    paragraph.clear();
  };
  for (const QString& raw : source.split(u'\n')) {
    const QString line = raw.trimmed();
    const bool item = line.startsWith(QLatin1String("- "));
    if (!item && inList) {
      html += QLatin1String("</ul>");
      inList = false;
    }
    if (line.isEmpty()) {
      flush();
    } else if (line.startsWith(QLatin1String("# "))) {
      flush();
      html += "<h1>" + line.mid(2).toHtmlEscaped() + "</h1>";
    } else if (line.startsWith(QLatin1String("## "))) {
      flush();
      html += "<h2>" + line.mid(3).toHtmlEscaped() + "</h2>";
    } else if (item) {
      flush();
      if (!inList) html += QLatin1String("<ul>");
      inList = true;
      html += "<li>" + line.mid(2).toHtmlEscaped() + "</li>";
    } else if (line.startsWith(QLatin1String("[page ")) && line.endsWith(u']')) {
      flush();
      html += QStringLiteral("<p align=\"center\"><img src=\"page%1.png\" width=\"%2\"></p>")
                  .arg(line.mid(6, line.size() - 7))
                  .arg(kPictureWidth);
    } else {
      paragraph += (paragraph.isEmpty() ? "" : " ") + line;
    }
  }
  flush();
  if (inList) html += QLatin1String("</ul>");
  return html + QLatin1String("</body></html>");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: zarvell-manual SOURCE LANGUAGE OUTPUT.pdf\n", stderr);
    return 64;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zarvell::qt::ConfigureApplication();
  QFile source(QString::fromLocal8Bit(argv[1]));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "zarvell-manual: cannot read %s\n", argv[1]);
    return 1;
  }
  QTextDocument document;
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
  document.setPageSize(kTextArea);
  const std::vector<QImage> pictures = PagePictures(argv[2]);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    document.addResource(QTextDocument::ImageResource,
                         QUrl(QStringLiteral("page%1.png").arg(i + 1)), pictures[i]);
  }
  document.setHtml(Html(QString::fromUtf8(source.readAll())));

  QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                     QPageLayout::Point);
  pdf.setTitle(QStringLiteral("Zarvell"));
  pdf.setCreator(QStringLiteral("zarvell-manual"));
  document.print(&pdf);
  return QFile::exists(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
