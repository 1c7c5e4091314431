// The program's files, printing, manual and error box with Qt: F2 and F3 bring up the real file
// dialogs with the window's filters, Print All on a machine without a printer writes one PDF of
// the four pages with the stamp, F1 hands the manual of the language to the desktop, and an
// exception that escapes an event is shown and the program goes on. ctest runs these on the
// offscreen platform and once more under a virtual X server.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "qt/application.h"
#include "qt/program.h"
#include "qt/screenshots.h"
#include "sim/in_process_ports.h"
#include "tests/qt/modal_answer.h"
#include "tests/support/temp_dir.h"

namespace zarvell::qt {
namespace {

class OnScreen : public ::testing::Test {
 protected:
  // Pressed on the window, through Qt's shortcut handling, which serves the active window only.
  void Press(Qt::Key key) {
    QWidget& main = program->mainWindow();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, key);
  }
  template <class W>
  W& Find(const char* name) {
    W* widget = program->mainWindow().findChild<W*>(QString::fromLatin1(name));
    if (widget == nullptr) throw std::runtime_error(name);
    return *widget;
  }
  // The next file dialog gets `name` typed into it and is accepted; its filters are noted.
  void Answer(const QString& name) {
    answerer.onDialog = [this, name](QDialog& dialog) {
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      filters = files.nameFilters();
      save = files.acceptMode() == QFileDialog::AcceptSave;
      files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
      // As the Save or Open button does, once the answerer is free for the overwrite question.
      QTimer::singleShot(0, &files, [&files] { static_cast<QDialog&>(files).accept(); });
    };
  }
  std::string Caption() { return program->mainWindow().windowTitle().toStdString(); }

  testutil::TempDir config;
  testutil::ModalAnswerer answerer{QMessageBox::Yes};
  sim::AdapterWithoutUnit com1{"/dev/ttyUSB0"};
  testutil::TempDir manuals;
  std::unique_ptr<Program> program =
      std::make_unique<Program>(config.path(), std::vector<std::string>{}, com1.ports,
                                std::vector<std::filesystem::path>{manuals.path()});
  QStringList filters;
  bool save = false;
};

TEST_F(OnScreen, F2AndF3OpenTheRealDialogsWithTheFiltersAndAskBeforeOverwriting) {
  const std::string file = (config.path() / "track.ign").string();
  Answer(QString::fromStdString((config.path() / "track").string()));
  Press(Qt::Key_F2);
  EXPECT_TRUE(save);
  EXPECT_EQ(filters, QStringList{"Ignition Parametrs (*.ign)"});
  EXPECT_EQ(Caption(), "  Zarvell       " + file);
  const std::string saved = testutil::Slurp(file);
  EXPECT_TRUE(saved.starts_with("MORVALIS_KEY   75 "));

  // The same name again: the dialog asks first, and Yes replaces the file.
  auto& limiter = Find<QLineEdit>("EditOmez2");
  limiter.selectAll();
  QTest::keyClicks(&limiter, QStringLiteral("9000"));
  Answer(QString::fromStdString(file));
  Press(Qt::Key_F2);
  ASSERT_FALSE(answerer.texts().empty());
  EXPECT_NE(answerer.texts().back().find("already exists"), std::string::npos);
  EXPECT_NE(testutil::Slurp(file).find("LIMITER        90 "), std::string::npos);

  Answer(QString::fromStdString(file));
  Press(Qt::Key_F3);
  EXPECT_FALSE(save);
  EXPECT_EQ(filters, (QStringList{"Ignition Parametrs (*.ign)", "All Files (*.*)"}));
  EXPECT_EQ(Find<QLineEdit>("EditOmez2").text(), "9000");
}

// The user's home for one test: HOME and the desktop's folder settings point into a fresh
// folder, so the documents folder is HOME/Documents once that exists.
class ScopedHome {
 public:
  ScopedHome() : home_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("HOME", QByteArray::fromStdString(dir.path().string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir.path() / ".config").string()));
  }
  ~ScopedHome() {
    qputenv("HOME", home_);
    qputenv("XDG_CONFIG_HOME", config_);
  }
  ScopedHome(const ScopedHome&) = delete;
  ScopedHome& operator=(const ScopedHome&) = delete;
  QString Path(const char* sub = nullptr) const {
    return QString::fromStdString((sub != nullptr ? dir.path() / sub : dir.path()).string());
  }
  testutil::TempDir dir;

 private:
  QByteArray home_, config_;
};

// The text of a PDF as a reader selects and searches it.
QString PdfText(const QString& pdf, int page = 0) {
  QProcess pdftotext;
  QStringList args{QStringLiteral("-layout")};
  if (page > 0)
    args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
         << QString::number(page);
  pdftotext.start(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
  pdftotext.waitForFinished();
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST_F(OnScreen, PrintAllWithoutAPrinterWritesOnePdfOfTheFourPagesWithTheStamp) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  ASSERT_FALSE(pdftoppm.isEmpty()) << "poppler-utils is needed";
  // No documents folder: the home folder takes the PDF, named after the program for a set
  // that has no file yet.
  const ScopedHome home;
  auto& tabs = Find<QTabWidget>("PageControl1");
  tabs.setCurrentIndex(3);
  Find<QAction>("MenuPrintAll").trigger();
  EXPECT_EQ(tabs.currentIndex(), 3);
  EXPECT_EQ(tabs.count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(tabs.isTabVisible(i));

  EXPECT_TRUE(QDir(QString::fromStdString(config.path().string()))
                  .entryList({QStringLiteral("*.pdf")}, QDir::Files)
                  .isEmpty());
  const QStringList pdfs = QDir(home.Path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
  ASSERT_EQ(pdfs.size(), 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Zarvell-20\\d\\d-\\d\\d-\\d\\d-\\d{6}\\.pdf$"))
                  .match(pdfs[0])
                  .hasMatch())
      << pdfs[0].toStdString();
  const QString pdf = home.Path() + "/" + pdfs[0];
  EXPECT_EQ(Find<QLabel>("LabelHlaseni").text().toStdString(), ("Printed to " + pdf).toStdString());

  // The sheets are drawn, not pictured: each page's own texts can be selected and searched
  // (the tab bar alone is a picture).
  const char* const pageTexts[4][2] = {{"Limiter [rpm]", "11000"},
                                       {"Motorbike type", "Pulses per revolution"},
                                       {"Interpolation", "Base advance"},
                                       {"Servo enable", "RPM = ---"}};
  for (int page = 1; page <= 4; ++page) {
    const QString text = PdfText(pdf, page);
    EXPECT_TRUE(text.contains(QStringLiteral("Date and time of printing:"))) << page;
    for (const char* expected : pageTexts[page - 1]) {
      EXPECT_TRUE(text.contains(QLatin1String(expected))) << page << " lacks " << expected << ":\n"
                                                          << text.toStdString();
    }
  }

  // Pictures of the pages, for the eye and for a check that each differs from the others.
  const QString out = QStringLiteral(ZARVELL_QT_TEST_OUTPUT);
  QDir().mkpath(out);
  QFile::remove(out + "/print-all.pdf");
  QFile::copy(pdf, out + "/print-all.pdf");
  ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "60", pdf, out + "/print-all"}), 0);
  EXPECT_NE(QProcess::execute(pdftoppm, {"-png", "-f", "5", pdf, out + "/none"}), 0);
  std::vector<QImage> pages;
  for (int page = 1; page <= 4; ++page) {
    pages.emplace_back(QStringLiteral("%1/print-all-%2.png").arg(out).arg(page));
    const QImage& sheet = pages.back();
    ASSERT_FALSE(sheet.isNull()) << page;
    // The window, wider than high, fills the width of the portrait page at its top; the rest
    // of the page stays white.
    QRect drawn;
    for (int y = 0; y < sheet.height(); ++y) {
      for (int x = 0; x < sheet.width(); ++x) {
        if (qGray(sheet.pixel(x, y)) < 200) drawn |= QRect(x, y, 1, 1);
      }
    }
    EXPECT_GT(drawn.width(), sheet.width() * 3 / 4) << page;
    EXPECT_LT(drawn.bottom(), sheet.height() / 2) << page;
    EXPECT_GT(drawn.height(), drawn.width() / 3) << page;
  }
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) EXPECT_NE(pages[a], pages[b]) << a << " " << b;
  }
}

TEST_F(OnScreen, PrintingWithoutAPrinterNamesThePdfAfterTheSetInTheDocumentsFolder) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  const ScopedHome home;
  ASSERT_TRUE(QDir().mkpath(home.Path("Documents")));
  Answer(QString::fromStdString((config.path() / "track day").string()));
  Press(Qt::Key_F2);
  Find<QTabWidget>("PageControl1").setCurrentIndex(0);
  auto& limiter = Find<QLineEdit>("EditOmez2");
  limiter.selectAll();
  QTest::keyClicks(&limiter, QStringLiteral("9000"));
  Find<QAction>("MenuPrint").trigger();
  Find<QAction>("MenuPrint").trigger();
  const QStringList pdfs =
      QDir(home.Path("Documents")).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
  ASSERT_EQ(pdfs.size(), 2);
  // The second print of the same second, if it was one, does not replace the first.
  EXPECT_TRUE(pdfs[0].startsWith(QStringLiteral("track day-"))) << pdfs[0].toStdString();
  EXPECT_TRUE(pdfs[1].startsWith(QStringLiteral("track day-"))) << pdfs[1].toStdString();
  const QString last = QDir(home.Path("Documents")).absoluteFilePath(pdfs.back());
  const QString shown = Find<QLabel>("LabelHlaseni").text();
  EXPECT_TRUE(shown == "Printed to " + home.Path("Documents") + "/" + pdfs[0] ||
              shown == "Printed to " + last)
      << shown.toStdString();
  const QString text = PdfText(last);
  EXPECT_TRUE(text.contains(QStringLiteral("9000"))) << text.toStdString();
  EXPECT_TRUE(QDir(home.Path()).entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty());
}

struct DocumentCatcher : QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

TEST_F(OnScreen, F1InFrenchOpensTheFrenchManualFromTheWorkingOrTheInstalledFolder) {
  DocumentCatcher desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
  manuals.Write("manual_Zarvell_fr.pdf", "%PDF-1.4");
  Find<QAction>("MenuFrench").trigger();
  Press(Qt::Key_F1);
  ASSERT_EQ(desktop.opened.size(), 1);
  EXPECT_EQ(desktop.opened[0].toLocalFile().toStdString(),
            (manuals.path() / "manual_Zarvell_fr.pdf").string());

  // A manual in the working folder comes first.
  testutil::TempDir work;
  work.Write("manual_Zarvell_fr.pdf", "%PDF-1.4");
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(work.path().string()));
  Press(Qt::Key_F1);
  QDir::setCurrent(before);
  ASSERT_EQ(desktop.opened.size(), 2);
  EXPECT_EQ(desktop.opened[1].toLocalFile().toStdString(),
            (work.path() / "manual_Zarvell_fr.pdf").string());
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  EXPECT_TRUE(answerer.texts().empty());
}

struct Throwing : QObject {
  bool event(QEvent*) override { throw std::runtime_error("the widget broke"); }
};

TEST(EventLoop, AnExceptionThatEscapesAnEventIsShownAndTheProgramGoesOn) {
  auto* app = dynamic_cast<Application*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  std::vector<std::string> shown;
  app->onError = [&](const char* what) { shown.emplace_back(what); };
  Throwing broken;
  QCoreApplication::postEvent(&broken, new QEvent(QEvent::User));
  QCoreApplication::postEvent(&broken, new QEvent(QEvent::User));
  Settle(20);
  app->onError = nullptr;
  EXPECT_EQ(shown, (std::vector<std::string>{"the widget broke", "the widget broke"}));

  // A handler of the window's own dispatch: the error box over the window.
  testutil::ModalAnswerer answerer;
  EventHub hub;
  hub.Run([] { throw std::runtime_error("the printer failed"); });
  hub.Run([] { throw 42; });
  EXPECT_EQ(answerer.texts(),
            (std::vector<std::string>{"the printer failed", "An unexpected error occurred."}));
}

TEST(EventLoop, AStartUpMessageComesUpOverTheMainWindowAlreadyOnScreen) {
  testutil::TempDir config;
  sim::InProcessPorts nothing;  // COM1 cannot be opened
  std::vector<std::string> seen;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    const QWidget* owner = box->parentWidget();
    seen.push_back(box->text().toStdString() + " over " +
                   (owner != nullptr && owner->isVisible() ? owner->objectName().toStdString()
                                                           : std::string("nothing")));
    // Behind the box the window is as the finished start-up leaves it: no stale alarm, no
    // test-mode labels, the captions of the language.
    if (owner != nullptr) {
      for (const char* hidden : {"LabelEeDataErr", "LabelTest1", "LabelTest8", "LabelVersion"}) {
        if (!owner->findChild<QWidget*>(hidden)->isHidden()) seen.push_back(hidden);
      }
      seen.push_back(owner->findChild<QAction*>("MenuFile")->text().toStdString());
    }
    box->accept();
  });
  poll.start(10);
  Program program(config.path(), std::vector<std::string>{"CESKY"}, nothing);
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Chyba při otevírání portu Com! over FormHlav", "&Soubor"}));
}

}  // namespace
}  // namespace zarvell::qt

#include "files_print_qttest.moc"
