// The drill results store: the table "dorills" in kyozai.sqlite, emptied when
// a drill run starts and appended to at every verdict, and the grids' model.
#include "drills/untDTM.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("kyozai.sqlite");

// The grid columns: NB, MND, KAI, KOT, HNT.
const char* const ColumnTitles[] = {"番号", "問題", "答え（正）", "答え（入力）", "○×"};
constexpr int ColumnCount = 5;

// SQLite's codes for a file that is not a database or whose pages are damaged.
bool isCorrupt(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 11 /* SQLITE_CORRUPT */ || code == 26 /* SQLITE_NOTADB */);
}

bool insertRow(QSqlQuery& insert, const ResultRow& row, QSqlError* error) {
    insert.bindValue(0, row.NB);
    insert.bindValue(1, row.MND);
    insert.bindValue(2, row.KAI);
    insert.bindValue(3, row.KOT);
    insert.bindValue(4, row.HNT);
    if (insert.exec())
        return true;
    *error = insert.lastError();
    return false;
}

bool prepareInsert(QSqlQuery& insert, QSqlError* error) {
    if (insert.prepare(
            QStringLiteral("INSERT INTO dorills (NB, MND, KAI, KOT, HNT) VALUES (?, ?, ?, ?, ?)")))
        return true;
    *error = insert.lastError();
    return false;
}

} // namespace

// ---------------------------------------------------------------- the model

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const ResultRow& row = rows_.at(index.row());
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case 0:
            return row.NB;
        case 1:
            return row.MND;
        case 2:
            return row.KAI;
        case 3:
            return row.KOT;
        case 4:
            return row.HNT;
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        const bool centred = index.column() == 0 || index.column() == 4;
        return QVariant::fromValue(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
    }
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(ColumnTitles[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void ResultsModel::setRows(const QList<ResultRow>& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

// ---------------------------------------------------------------- the store

TDataModule1::TDataModule1(QObject* parent) : TDataModule1(defaultPath(), parent) {}

TDataModule1::TDataModule1(const QString& path, QObject* parent)
    : QObject(parent), path_(path),
      connection_(QStringLiteral("kyozai-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {
    setObjectName(QStringLiteral("DataModule1"));
}

TDataModule1::~TDataModule1() {
    close();
}

QString TDataModule1::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') +
           FileName;
}

bool TDataModule1::ReopenResults() {
    // Rows the file missed are written first; otherwise the grid shows the
    // table as stored (after a restart, the rows of the last run).
    return store(dirty_ ? &TDataModule1::writeAllRows : &TDataModule1::readRows);
}

bool TDataModule1::ClearResults() {
    rows_.clear();
    publish();
    dirty_ = true;
    return store(&TDataModule1::writeAllRows);
}

bool TDataModule1::AppendResult(int nb, const QString& problem, const QString& correct,
                                const QString& entered, const QString& mark) {
    rows_.append(ResultRow{nb, problem, correct, entered, mark});
    publish();
    return store(dirty_ ? &TDataModule1::writeAllRows : &TDataModule1::appendLastRow);
}

bool TDataModule1::store(Write write) {
    notice_.clear();
    QSqlError error;
    if (open(&error) && (this->*write)(&error)) {
        dirty_ = false;
        return true;
    }
    // A failed read leaves the file as it is; a failed write means the file
    // lacks rows that the run has, so they are written at the next chance.
    if (write != &TDataModule1::readRows)
        dirty_ = true;

    if (isCorrupt(error)) {
        // Keep the damaged file for whoever wants to look at it, and carry on
        // in a new one with the rows of this run.
        close();
        QString keptAs;
        QSqlError again;
        if (setAside(&keptAs) && open(&again) && writeAllRows(&again)) {
            dirty_ = false;
            notice_ =
                QStringLiteral("けっかの ファイルが こわれていたので、べつの 名前で のこして、"
                               "新しく 作ったよ。おうちの人に 見せてね。\n\n") +
                error.text().trimmed() + QStringLiteral("\nのこした ファイル： ") + keptAs;
            return true;
        }
        if (again.isValid())
            error = again;
    }
    failed(error.text().trimmed());
    return false;
}

bool TDataModule1::open(QSqlError* error) {
    if (open_)
        return true;
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QSqlError(QStringLiteral("フォルダを 作れません： ") + folder, QString(),
                           QSqlError::ConnectionError);
        return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path_);
        // Wait a moment for another program holding the file, never long.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
        if (!db.open()) {
            *error = db.lastError();
        } else {
            QSqlQuery create(db);
            ok =
                create.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS dorills "
                                           "(NB INTEGER, MND TEXT, KAI TEXT, KOT TEXT, HNT TEXT)"));
            if (!ok)
                *error = create.lastError();
        }
    }
    open_ = ok;
    if (!ok)
        close();
    return ok;
}

void TDataModule1::close() {
    if (!QSqlDatabase::contains(connection_))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    open_ = false;
}

bool TDataModule1::readRows(QSqlError* error) {
    QSqlQuery select(QSqlDatabase::database(connection_, false));
    select.setForwardOnly(true);
    if (!select.exec(QStringLiteral("SELECT NB, MND, KAI, KOT, HNT FROM dorills ORDER BY rowid"))) {
        *error = select.lastError();
        return false;
    }
    QList<ResultRow> rows;
    while (select.next())
        rows.append(ResultRow{select.value(0).toInt(), select.value(1).toString(),
                              select.value(2).toString(), select.value(3).toString(),
                              select.value(4).toString()});
    if (select.lastError().isValid()) {
        *error = select.lastError();
        return false;
    }
    rows_ = rows;
    publish();
    return true;
}

bool TDataModule1::writeAllRows(QSqlError* error) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        *error = db.lastError();
        return false;
    }
    QSqlQuery clear(db);
    QSqlQuery insert(db);
    bool ok = clear.exec(QStringLiteral("DELETE FROM dorills"));
    if (!ok)
        *error = clear.lastError();
    if (ok && !rows_.isEmpty()) {
        ok = prepareInsert(insert, error);
        for (int i = 0; ok && i < rows_.size(); ++i)
            ok = insertRow(insert, rows_.at(i), error);
    }
    if (ok && !db.commit()) {
        *error = db.lastError();
        ok = false;
    }
    if (!ok)
        db.rollback();
    return ok;
}

bool TDataModule1::appendLastRow(QSqlError* error) {
    QSqlQuery insert(QSqlDatabase::database(connection_, false));
    return prepareInsert(insert, error) && insertRow(insert, rows_.last(), error);
}

bool TDataModule1::setAside(QString* keptAs) {
    const QFileInfo info(path_);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString target;
    for (int n = 1;; ++n) {
        target = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                 QStringLiteral("-broken-") + stamp +
                 (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".sqlite");
        if (!QFile::exists(target))
            break;
    }
    if (!QFile::rename(path_, target))
        return false;
    // SQLite's side files belong to the damaged file: a journal left beside the
    // new file would be played back into it.
    for (const char* side : {"-journal", "-wal", "-shm"}) {
        const QString from = path_ + QLatin1String(side);
        if (QFile::exists(from))
            QFile::rename(from, target + QLatin1String(side));
    }
    *keptAs = target;
    return true;
}

void TDataModule1::failed(const QString& detail) {
    notice_ = QStringLiteral("けっかを ほぞんできなかったよ。おうちの人に 見せてね。\n\n") +
              detail + QStringLiteral("\nファイル： ") + path_;
}

void TDataModule1::publish() {
    model_.setRows(rows_);
}
