// Start-up benchmark, the floors: the smallest Qt Widgets program that shows
// one 955 × 716 window, timed the same way as the real program. With the
// argument "text" the window also shows the main menu's Japanese texts in
// the same rounded font, the least any Japanese menu has to draw.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {
class Watch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !done_ &&
            static_cast<QWindow*>(watched)->isExposed()) {
            done_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("shown %.6f\n", static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9);
            std::fflush(stdout);
            QTimer::singleShot(0, [] { QApplication::exit(0); });
        }
        return false;
    }

private:
    bool done_ = false;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(955, 716);
    if (argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("text")) {
        auto* label = new QLabel(&window);
        QFont font;
        font.setFamilies({QStringLiteral("HG丸ｺﾞｼｯｸM-PRO"), QStringLiteral("MotoyaLMaru")});
        font.setPixelSize(19);
        font.setBold(true);
        label->setFont(font);
        label->setText(QStringLiteral(
            "もくじ\n１．倍数と約数 倍数と公倍数 約数と公約数\n２．計算の見積もり "
            "積・商の見積もり\n"
            "３．分数の計算・１ 約分と通分 たし算とひき算 ドリル\n４．平均と速さ "
            "平均、単位量あたり "
            "速さ、道のり、時間\n５．分数の計算・２ 分数のかけ算\n６．分数の計算・３ 分数のわり算\n"
            "７．分数の計算・４ まじった計算・１ まじった計算・２\n８．比と比例 等しい比 "
            "比例と反比例\n"
            "９．体積と表面積 直方体・立方体 角柱・円柱\n10．単位 面積、体積、重さ\n"
            "「ボタン」を選んで はじめてね！ おわる ヘルプ"));
        label->move(20, 20);
    }
    window.winId();
    Watch watch;
    window.windowHandle()->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}
