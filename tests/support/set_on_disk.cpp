#include "support/set_on_disk.h"

#include <gtest/gtest.h>

#include "app/app.h"
#include "core/platte_an_speicher.h"
#include "core/speicher_an_platte.h"
#include "support/scripted_platform.h"

namespace memvalo::test {

CardRecord card(const std::string& frage, const std::string& antwort) {
    CardRecord r;
    r.frage = frage;
    r.antwort = antwort;
    r.erstellt = "01.12.2026";
    r.falsch = "0";
    return r;
}

void writeSet(const std::string& path, const std::vector<std::vector<CardRecord>>& boxes) {
    ScriptedPlatform platform;
    App writer(platform);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (const CardRecord& r : boxes[i]) writer.store.k(static_cast<int>(i) + 1).append(r);
    }
    for (int i = 0; i < 5; ++i) {
        writer.frm1.txtazsoll[i].caption = std::to_string(writer.store.soll[i]);
    }
    writer.setPath = path;
    ASSERT_TRUE(speicher_an_platte(writer));
}

std::vector<std::string> questionsOnDisk(const std::string& path, int box) {
    ScriptedPlatform platform;
    App reader(platform);
    reader.setPath = path;
    EXPECT_EQ(platte_an_speicher(reader), LoadResult::Loaded);
    std::vector<std::string> questions;
    const Box& k = reader.store.k(box);
    for (int slot = 1; slot <= k.anz; ++slot) questions.push_back(k[slot].frage);
    return questions;
}

}  // namespace memvalo::test
