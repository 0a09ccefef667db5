// The media information reader: facts of real picture, audio and video samples,
// quick failures for files it cannot read, callers taking turns, and stopping.
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QTest>

#include <filesystem>
#include <thread>

#include "shell/preview/document_text.h"
#include "shell/preview/media_facts.h"
#include "shell/preview/media_file_info_reader.h"
#include "suite_registry.h"
#include "support/test_support.h"

namespace ovelin::test {

namespace {

std::string Sample(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name).string();
}

const std::string kPicture = Sample("preview-600x400.png");
const std::string kTaggedSong = Sample("preview-two-artists.mp3");
const std::string kUntaggedSong = Sample("preview-untagged-2s.mp3");
const std::string kVideo = Sample("preview-320x240-2s.webm");

}  // namespace

class MediaReaderTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CMediaFileInfoReader> reader_;

 private slots:
  void init() {
    reader_ = std::make_unique<CMediaFileInfoReader>();
    QVERIFY(reader_->Start());
  }
  void cleanup() { reader_.reset(); }

  void pictureSizeComesFromTheHeader() {
    const TempDir dir;
    const std::string odd = dir / "图 #1 100%.png";
    std::filesystem::copy_file(kPicture, odd);
    for (const std::string& path : {kPicture, odd}) {
      const MediaInfo info = ReadMediaInfo(*reader_, path, MediaKind::Picture);
      QVERIFY(info.opened);
      QCOMPARE(info.width, 600);
      QCOMPARE(info.height, 400);
      QVERIFY(info.duration.empty());
    }
  }

  void audioTagsKeepEveryArtist() {
    {
      const CMediaFileInfoReader::Turn turn(*reader_);
      QVERIFY(turn);
      QVERIFY(reader_->Open(kTaggedSong, MediaKind::Audio));
      std::string value;
      QVERIFY(reader_->GetItemInfoByType("Author", 0, value));
      QCOMPARE(value, std::string("Alice"));
      QVERIFY(reader_->GetItemInfoByType("Author", 1, value));
      QCOMPARE(value, std::string("Bob"));
      QVERIFY(!reader_->GetItemInfoByType("Author", 2, value));
      QVERIFY(!reader_->GetItemInfo("Composer", value));
    }
    const MediaInfo tagged = ReadMediaInfo(*reader_, kTaggedSong, MediaKind::Audio);
    QVERIFY(tagged.opened);
    QCOMPARE(tagged.authors, std::string("Alice;Bob"));
    QCOMPARE(tagged.genres, std::string("Rock;Jazz"));
    QCOMPARE(tagged.title, std::string("测试 & <Song>"));
    QCOMPARE(tagged.album, std::string("Album"));
    QCOMPARE(tagged.year, std::string("2021"));
    QCOMPARE(tagged.duration, std::string("00:02"));

    const MediaInfo untagged = ReadMediaInfo(*reader_, kUntaggedSong, MediaKind::Audio);
    QVERIFY(untagged.opened);
    QCOMPARE(untagged.duration, std::string("00:02"));
    QVERIFY(untagged.authors.empty() && untagged.title.empty() && untagged.genres.empty());
  }

  void videoSizeAndDuration() {
    const MediaInfo info = ReadMediaInfo(*reader_, kVideo, MediaKind::Video);
    QVERIFY(info.opened);
    QCOMPARE(info.width, 320);
    QCOMPARE(info.height, 240);
    QCOMPARE(info.duration, std::string("00:02"));
  }

  void durationsReadLikeAPlayer() {
    QCOMPARE(FormatDuration(205000), std::string("03:25"));
    QCOMPARE(FormatDuration(3723000), std::string("1:02:03"));
    QCOMPARE(FormatDuration(59500), std::string("01:00"));
    QCOMPARE(FormatDuration(0), std::string("00:00"));
  }

  void unreadableFilesFailQuickly() {
    const TempDir dir;
    WriteTextFile(dir / "damaged.png", "this is no picture at all");
    WriteTextFile(dir / "truncated.png", ReadTextFile(kPicture).substr(0, 20));
    WriteTextFile(dir / "empty.avi", "");
    WriteTextFile(dir / "noise.mp3", std::string(4096, '\x5a'));
    QCOMPARE(::mkfifo((dir / "pipe.mp3").c_str(), 0600), 0);
    const std::pair<std::string, MediaKind> cases[] = {
        {dir / "damaged.png", MediaKind::Picture},
        {dir / "truncated.png", MediaKind::Picture},
        {dir / "empty.avi", MediaKind::Video},
        {dir / "noise.mp3", MediaKind::Audio},
        {dir / "pipe.mp3", MediaKind::Audio},
        {dir / "missing.webm", MediaKind::Video},
        {dir.path(), MediaKind::Video},
        {"http://example.org/a.png", MediaKind::Picture},
    };
    QElapsedTimer timer;
    timer.start();
    for (const auto& [path, kind] : cases) {
      const MediaInfo info = ReadMediaInfo(*reader_, path, kind);
      QVERIFY2(!info.opened, path.c_str());
      QCOMPARE(info.width, 0);
      QVERIFY(info.duration.empty());
    }
    QVERIFY(timer.elapsed() < 3000);
    QVERIFY(ReadMediaInfo(*reader_, kPicture, MediaKind::Picture).opened);  // the worker is still fine
  }

  void callersTakeTurns() {
    QVERIFY(!reader_->Open(kPicture, MediaKind::Picture));  // no turn held
    {
      const CMediaFileInfoReader::Turn turn(*reader_);
      QVERIFY(!CMediaFileInfoReader::Turn(*reader_));  // no second turn for the same thread
      QVERIFY(reader_->Open(kVideo, MediaKind::Video));
      bool otherSawFacts = true;
      std::thread other([&] {
        int width = 0, height = 0;
        otherSawFacts = reader_->GetImageSize(width, height) || !reader_->GetDurationString().empty();
      });
      other.join();
      QVERIFY(!otherSawFacts);
    }
    int width = 0, height = 0;
    QVERIFY(!reader_->GetImageSize(width, height));  // the turn's facts went with it

    // Two workers at once each read their own file's facts.
    int wrong = 0;
    std::thread pictures([&] {
      for (int i = 0; i < 20; ++i) wrong += ReadMediaInfo(*reader_, kPicture, MediaKind::Picture).width != 600;
    });
    int wrongVideos = 0;
    for (int i = 0; i < 20; ++i) wrongVideos += ReadMediaInfo(*reader_, kVideo, MediaKind::Video).width != 320;
    pictures.join();
    QCOMPARE(wrong, 0);
    QCOMPARE(wrongVideos, 0);
  }

  void stopReturnsWithinItsTimeout() {
    QElapsedTimer timer;
    timer.start();
    reader_->Stop();
    QVERIFY(timer.elapsed() < CMediaFileInfoReader::kQuitTimeout.count());
    timer.restart();
    QVERIFY(!ReadMediaInfo(*reader_, kPicture, MediaKind::Picture).opened);
    QVERIFY(timer.elapsed() < 1000);
    reader_->Stop();  // twice is harmless

    QVERIFY(reader_->Start());  // and it can start again
    QVERIFY(ReadMediaInfo(*reader_, kPicture, MediaKind::Picture).opened);
    CMediaFileInfoReader neverStarted;
    QVERIFY(!ReadMediaInfo(neverStarted, kPicture, MediaKind::Picture).opened);
  }

  // The text shown in place of office and MHT files.
  void documentTextForThePreview() {
    const std::string doc = PreviewDocumentText(Sample("content-sample.doc"), "doc");
    QVERIFY(doc.find("The Ovelin Zebra crossing") != std::string::npos);
    QVERIFY(!PreviewDocumentText(Sample("content-sample.xls"), "xls").empty());

    const TempDir dir;
    WriteTextFile(dir / "page.mht",
                  "MIME-Version: 1.0\r\nContent-Type: text/html; charset=\"utf-8\"\r\n\r\n"
                  "<html><body>\n  <p>第一段</p>\n\n  <p>second   part</p><script>hidden()</script></body></html>");
    QCOMPARE(PreviewDocumentText(dir / "page.mht", "mht"), std::string("第一段\nsecond part"));
    WriteTextFile(dir / "plain.doc", "just text, no OLE2 document");
    WriteTextFile(dir / "plain.ppt", "just text");
    QElapsedTimer timer;
    timer.start();
    QVERIFY(PreviewDocumentText(dir / "plain.doc", "doc").empty());
    QVERIFY(PreviewDocumentText(dir / "plain.ppt", "ppt").empty());
    QVERIFY(PreviewDocumentText(dir / "missing.xls", "xls").empty());
    QVERIFY(PreviewDocumentText(Sample("content-sample.doc"), "txt").empty());
    QVERIFY(timer.elapsed() < 1000);
  }
};

OVELIN_SHELL_SUITE("MediaReader", MediaReaderTest)

}  // namespace ovelin::test

#include "media_reader_test.moc"
