// TDataModule1: the store of the drill results table "dorills" (an SQLite file
// named kyozai.sqlite in the user's data folder) and the model its grids show.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QObject>
#include <QString>

class QSqlError;

// One judged problem: its number in the run, the problem, the correct answer,
// the entered answer and the mark, each text with its leading blank.
struct ResultRow {
    int NB = 0;
    QString MND;
    QString KAI;
    QString KOT;
    QString HNT;

    bool operator==(const ResultRow&) const = default;
};

// The rows of the latest run as the drill grids show them.
class ResultsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setRows(const QList<ResultRow>& rows);

private:
    QList<ResultRow> rows_;
};

class TDataModule1 : public QObject {
    Q_OBJECT
public:
    // The store in the user's data folder (kyozai.sqlite).
    explicit TDataModule1(QObject* parent = nullptr);
    // The store in the file `path` (tests use a temporary file).
    explicit TDataModule1(const QString& path, QObject* parent = nullptr);
    ~TDataModule1() override;

    // kyozai.sqlite under the application's data folder.
    static QString defaultPath();
    QString path() const { return path_; }

    // Opens the file (creating it and its table when missing) and reads the
    // rows as stored, in the order they were appended. Rows the store could
    // not write earlier are written now instead.
    bool ReopenResults();
    // Empties the table: a drill run starts.
    bool ClearResults();
    // Appends one judged problem. The texts already carry their leading blank.
    bool AppendResult(int nb, const QString& problem, const QString& correct,
                      const QString& entered, const QString& mark);

    // What went wrong (or was repaired) in the last operation, written for a
    // parent; empty when all went well.
    QString notice() const { return notice_; }

    // The rows of the run as the child judged them. They stay right even while
    // the file cannot be written, and are written as soon as it can be again.
    const QList<ResultRow>& rows() const { return rows_; }
    // The model every drill grid is bound to.
    QAbstractItemModel* model() { return &model_; }

private:
    using Write = bool (TDataModule1::*)(QSqlError*);

    // Runs `write` on an open file; a corrupt file is set aside and the whole
    // run written to a new one. Leaves a notice when anything went wrong.
    bool store(Write write);
    bool open(QSqlError* error);
    void close();
    bool readRows(QSqlError* error);
    bool writeAllRows(QSqlError* error);
    bool appendLastRow(QSqlError* error);
    bool setAside(QString* keptAs);
    void failed(const QString& detail);
    void publish();

    QString path_;
    QString connection_;
    bool open_ = false;
    bool dirty_ = false; // the file does not hold rows_ yet
    QList<ResultRow> rows_;
    QString notice_;
    ResultsModel model_;
};
