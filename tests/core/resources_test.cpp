#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Every event sound and shipped picture the program plays or shows by name.
TEST(ShippedFiles, EverySoundAndPictureIsThere) {
    for (const char* name :
         {"start1.wav", "start.wav", "neu.wav", "bye.wav", "eingabe.wav", "abfrage.wav", "vor.wav",
          "zurück.wav", "anfangdat.wav", "endedat.wav", "antwort.wav", "yes.wav", "falsch.wav",
          "löschen.wav", "harp.wav", "blubb.wav", "fehlt.jpg", "leer.jpg", "sound.jpg"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string(MEMVALO_RESOURCES) + name))
            << name;
    }
}

}  // namespace
