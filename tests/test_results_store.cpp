// Tests of the drill results store: the table in the SQLite file, rows kept in
// the order they were judged, and files that cannot be written or are damaged.
#include "drills/untDTM.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

namespace {

// Reads the file with a connection of its own, as the sqlite3 tool would.
struct FileReader {
    explicit FileReader(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~FileReader() {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    QStringList column(const QString& sql, int column = 0) const {
        QSqlQuery query(QSqlDatabase::database(name));
        QStringList values;
        if (!query.exec(sql))
            values << QStringLiteral("error: ") + query.lastError().text();
        while (query.next())
            values << query.value(column).toString();
        return values;
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name); }

    QString name = QStringLiteral("reader");
};

ResultRow row(int nb, const QString& mark = QStringLiteral(" ○")) {
    return {nb, QStringLiteral(" 3/4 + 5/6"), QStringLiteral(" 1・7/12"),
            QStringLiteral(" 1・7/12"), mark};
}

bool append(TDataModule1& store, const ResultRow& r) {
    return store.AppendResult(r.NB, r.MND, r.KAI, r.KOT, r.HNT);
}

} // namespace

class ResultsStoreTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void storesRowsInJudgingOrderAndKeepsThem() {
        const QString path = dir_->filePath(QStringLiteral("kyozai.sqlite"));
        const QList<ResultRow> rows = {row(1), row(2, QStringLiteral(" ×")), row(2), row(3)};
        {
            TDataModule1 store(path);
            QVERIFY(store.ClearResults()); // an empty new file: nothing to delete
            for (const ResultRow& r : rows)
                QVERIFY(append(store, r));
            QCOMPARE(store.rows(), rows);
            QCOMPARE(store.model()->rowCount(), 4);
            QCOMPARE(store.model()->index(1, 4).data().toString(), QStringLiteral(" ×"));
            QCOMPARE(store.notice(), QString());
        }
        // The five fields in their order, no key on NB (the same number twice).
        FileReader file(path);
        QCOMPARE(file.column(QStringLiteral("PRAGMA table_info(dorills)"), 1),
                 QStringList({"NB", "MND", "KAI", "KOT", "HNT"}));
        QCOMPARE(file.column(QStringLiteral("PRAGMA table_info(dorills)"), 2),
                 QStringList({"INTEGER", "TEXT", "TEXT", "TEXT", "TEXT"}));
        QCOMPARE(file.column(QStringLiteral("SELECT NB FROM dorills ORDER BY rowid")),
                 QStringList({"1", "2", "2", "3"}));

        // The next start of the program finds the last run's rows.
        TDataModule1 again(path);
        QVERIFY(again.ReopenResults());
        QCOMPARE(again.rows(), rows);
        QVERIFY(again.ClearResults());
        QVERIFY(again.rows().isEmpty());
        QCOMPARE(file.column(QStringLiteral("SELECT COUNT(*) FROM dorills")), QStringList({"0"}));
    }

    void damagedFileIsKeptAsideAndReplaced_data() {
        QTest::addColumn<bool>("garbage");
        QTest::newRow("not a database") << true;
        QTest::newRow("damaged pages") << false;
    }
    void damagedFileIsKeptAsideAndReplaced() {
        QFETCH(bool, garbage);
        const QString path = dir_->filePath(QStringLiteral("kyozai.sqlite"));
        if (!garbage) {
            TDataModule1 store(path);
            QVERIFY(append(store, row(1)));
        }
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(garbage ? 0 : 100);
            file.write(QByteArray(4096, 'z'));
        }
        QFile original(path);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray damaged = original.readAll();
        original.close();

        TDataModule1 store(path);
        QVERIFY(store.ClearResults());
        QVERIFY(store.notice().contains(QStringLiteral("こわれていた")));
        QVERIFY(append(store, row(1)));
        QCOMPARE(store.notice(), QString());

        // The damaged file is still there, byte for byte, under another name.
        const QStringList kept =
            QDir(dir_->path()).entryList({QStringLiteral("kyozai-broken-*.sqlite")}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QFile aside(dir_->filePath(kept.first()));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), damaged);

        FileReader file(path);
        QCOMPARE(file.column(QStringLiteral("SELECT NB FROM dorills")), QStringList({"1"}));
    }

    void lockedFileLosesNoRow() {
        const QString path = dir_->filePath(QStringLiteral("kyozai.sqlite"));
        TDataModule1 store(path);
        QVERIFY(store.ClearResults());

        FileReader other(path);
        QSqlQuery lock(other.db());
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QElapsedTimer waited;
        waited.start();
        QVERIFY(!append(store, row(1)));
        QVERIFY(!append(store, row(2)));
        QVERIFY(waited.elapsed() < 3000); // the child is never kept waiting long
        QVERIFY(store.notice().startsWith(
            QStringLiteral("けっかを ほぞんできなかったよ。おうちの人に 見せてね。")));
        QVERIFY(store.notice().contains(QStringLiteral("locked")));
        QCOMPARE(store.rows().size(), 2); // the grid still shows the run
        QVERIFY(lock.exec(QStringLiteral("COMMIT")));

        // Once the file can be written again, every row of the run is in it.
        QVERIFY(append(store, row(3)));
        QCOMPARE(other.column(QStringLiteral("SELECT NB FROM dorills ORDER BY rowid")),
                 QStringList({"1", "2", "3"}));
    }

    void unwritablePlaceIsReported_data() {
        QTest::addColumn<bool>("readOnlyFile");
        QTest::newRow("folder cannot be made") << false;
        QTest::newRow("read-only file") << true;
    }
    void unwritablePlaceIsReported() {
        QFETCH(bool, readOnlyFile);
        QString path;
        if (readOnlyFile) {
            if (::geteuid() == 0)
                QSKIP("the superuser can write any file");
            path = dir_->filePath(QStringLiteral("kyozai.sqlite"));
            {
                TDataModule1 store(path);
                QVERIFY(append(store, row(7)));
            }
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        } else {
            // A plain file where the data folder should be.
            const QString blocker = dir_->filePath(QStringLiteral("Sorvelin"));
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            path = blocker + QStringLiteral("/kyozai.sqlite");
        }
        TDataModule1 store(path);
        QVERIFY(!store.ClearResults());
        QVERIFY(store.notice().contains(QStringLiteral("ほぞんできなかった")));
        QVERIFY(store.notice().contains(path));
        QVERIFY(!append(store, row(1)));
        QCOMPARE(store.rows(), QList<ResultRow>({row(1)}));
        QCOMPARE(store.model()->rowCount(), 1);
        if (readOnlyFile)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void livesInTheUsersDataFolder() {
        QCoreApplication::setApplicationName(QStringLiteral("Sorvelin"));
        QCOMPARE(TDataModule1::defaultPath(),
                 QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("Sorvelin/kyozai.sqlite"));
        TDataModule1 store;
        QVERIFY(store.ReopenResults());
        QVERIFY(QFile::exists(TDataModule1::defaultPath()));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(ResultsStoreTest)
#include "test_results_store.moc"
