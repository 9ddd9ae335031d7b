// Any bytes as the picture of a plan. Whatever they are, the decoder answers with a picture or
// a fault, within the program's limits: never a crash, a hang or an allocation past the limit.

#include "fuzz/fuzz_check.h"
#include "ui/plan/plan_decoding.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <cstdint>

// libFuzzer's hook, whose signature is libFuzzer's.
extern "C" int LLVMFuzzerInitialize(int* argc, // NOLINT(readability-non-const-parameter)
                                    char*** argv) {
    // Qt finds its image plugins through the application, as the program does.
    static QCoreApplication application(*argc, *argv);
    ui::limitImageAllocation();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ui::PlanPicture picture = ui::decodePlanPicture(bytes);
    if (picture.fault != ui::PlanFault::None) {
        require(picture.image.isNull() && picture.bytes.isEmpty(),
                "a refused picture keeps nothing of it");
        return 0;
    }
    require(!picture.image.isNull(), "a decoded plan has a picture");
    require(std::max(picture.image.width(), picture.image.height()) <= ui::kPlanLongestSide,
            "a plan is held at most at its longest side");
    require(static_cast<qint64>(picture.fileSize.width()) * picture.fileSize.height() <=
                ui::kLargestPlanPixels,
            "a plan decoded has no more pixels than a plan may have");
    require(picture.bytes == bytes, "the bytes kept are the file's");
    require(ui::decodePlanPicture(bytes).fault == ui::PlanFault::None, "decoding is repeatable");
    return 0;
}
