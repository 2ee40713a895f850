// The artwork table's load order: a picture whose error box ends the game
// stops the loading there, so which box shows and what is left loaded stay
// as they were when each screen loaded its own pictures.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/error.h"
#include "base/screen_state.h"
#include "graphics/artwork.h"
#include "graphics/sprite.h"
#include "test_pictures.h"
#include "test_support.h"

namespace {
std::vector<std::string> boxes;

// Like the real box, the first one ends the game.
void endingBox(const char* text)
{
    boxes.emplace_back(text);
    windowDestroyed = true;
}

// Game screen, main menu, set-up, high scores, options: the order the
// screens have always loaded their pictures in.
const std::vector<std::pair<std::string, Sprite**>> loadOrder = {
    {"BkGrnd.jpg", &backgroundSprite}, {"Figures.bmp", &piecesSprite},
    {"Font.bmp", &fontSprite},         {"Number.jpg", &smallDigitsSprite},
    {"game over.jpg", &bannerSprite},  {"EasyFood.jpg", &easyFoodSprite},
    {"Cursor.bmp", &cursorSprite},     {"GameGo.jpg", &titleSprite},
    {"MenDown.bmp", &blinkSprite},     {"skovoroda.bmp", &panSprite},
    {"level.jpg", &largeDigitsSprite}, {"mixer.bmp", &mixerSprite},
    {"Menu.jpg", &menuBackground},     {"MenuImage.jpg", &menuPictures},
    {"MenuTxt.bmp", &menuTextSprite},  {"ActiveOption.bmp", &activeOptionSprite},
    {"NewGame.jpg", &setUpPanel},      {"HighScores.jpg", &highScoresBackground},
    {"WindowHS.JPG", &namePanel},      {"Options.jpg", &optionsPanel},
};

class ArtworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
        wasLoaded = backgroundSprite != nullptr;
        freeArtwork();
        takeErrorBoxes();
        previousHook = errorBoxHook;
        errorBoxHook = endingBox;
        boxes.clear();
    }
    void TearDown() override
    {
        errorBoxHook = previousHook;
        windowDestroyed = false;
        freeArtwork();
        // Other tests in this process may rely on the generated pictures.
        if (wasLoaded) {
            const auto here = std::filesystem::current_path();
            ASSERT_EQ(chdir(PLUMBRIX_DATA), 0);
            loadArtwork();
            std::filesystem::current_path(here);
        }
    }

    // Every generated picture but `missing`, linked into the scratch folder.
    static void linkPicturesBut(const std::string& missing)
    {
        for (const auto& entry : std::filesystem::directory_iterator(std::string(PLUMBRIX_DATA) + "/bmp")) {
            const std::string name = entry.path().filename().string();
            if (name != missing) {
                std::filesystem::create_symlink(entry.path(), "bmp/" + name);
            }
        }
    }

    bool wasLoaded = false;
    void (*previousHook)(const char*) = nullptr;
};
}  // namespace

TEST_F(ArtworkTest, EveryPictureLoads)
{
    ScratchDataDir data;
    linkPicturesBut("");
    EXPECT_TRUE(loadArtwork());
    EXPECT_TRUE(boxes.empty());
    for (const auto& [file, sprite] : loadOrder) {
        ASSERT_NE(*sprite, nullptr) << file;
        EXPECT_NE((*sprite)->surface, nullptr) << file;
    }
}

TEST_F(ArtworkTest, MissingPictureEndsTheLoadingAtItsRow)
{
    for (size_t missing = 0; missing < loadOrder.size(); ++missing) {
        const std::string& file = loadOrder[missing].first;
        SCOPED_TRACE(file);
        ScratchDataDir data;
        linkPicturesBut(file);
        boxes.clear();
        windowDestroyed = false;

        EXPECT_FALSE(loadArtwork());
        // A BMP names itself; a JPEG that cannot be read leaves a zero size,
        // and only its surface's failure shows.
        const bool bmp = file.find(".bmp") != std::string::npos;
        EXPECT_EQ(boxes, std::vector<std::string>{bmp ? file : "CreateSurface"});
        for (size_t i = 0; i < loadOrder.size(); ++i) {
            Sprite* sprite = *loadOrder[i].second;
            if (i < missing) {
                ASSERT_NE(sprite, nullptr) << loadOrder[i].first;
                EXPECT_NE(sprite->surface, nullptr) << loadOrder[i].first;
            } else if (i == missing) {
                ASSERT_NE(sprite, nullptr);
                EXPECT_EQ(sprite->surface, nullptr);
            } else {
                EXPECT_EQ(sprite, nullptr) << loadOrder[i].first;
            }
        }
        windowDestroyed = false;
        freeArtwork();
    }
}
