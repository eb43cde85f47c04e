// Test entry point: a QApplication exists before any test, and each test runs in its own
// empty temporary folder as the current folder.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace {
class CarpetaPorPrueba : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        carpeta_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(carpeta_->path());
    }
    void OnTestEnd(const testing::TestInfo&) override {
        QDir::setCurrent(QDir::tempPath());
        carpeta_.reset();
    }
    std::unique_ptr<QTemporaryDir> carpeta_;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("XkLumoCon");
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CarpetaPorPrueba);
    return RUN_ALL_TESTS();
}
