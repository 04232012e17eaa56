// Every input the fuzzer kept, run again through the same body under the sanitizers.
#include "zelharness.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFuzzReplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void corpus_data();
    void corpus();
};

static QFileInfoList corpusFiles()
{
    return QDir(QStringLiteral(KURVAN_FUZZ_CORPUS)).entryInfoList(QDir::Files, QDir::Name);
}

void TestFuzzReplay::initTestCase()
{
    QVERIFY2(!corpusFiles().isEmpty(), KURVAN_FUZZ_CORPUS " holds no inputs");
}

void TestFuzzReplay::corpus_data()
{
    QTest::addColumn<QString>("path");
    for (const QFileInfo &info : corpusFiles())
        QTest::newRow(qPrintable(info.fileName())) << info.filePath();
}

void TestFuzzReplay::corpus()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(runZelInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
}

QTEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
