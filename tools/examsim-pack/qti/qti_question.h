#pragma once
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace examsim::pack::qti {

// An item the importer cannot take; the message names the item and why.
struct ItemRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A picture a question shows: the file in the package and the name it gets
// in the product's picture folder.
struct PictureRef {
    std::filesystem::path source;
    std::string file;
    int width = 0, height = 0;  // pixels of the file itself
};

// A rectangle in the question picture's own pixels.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct Option {
    std::string name;  // "A", "B", ...
    std::string text;
    bool correct = false;
};

struct HotSpot {
    std::string name, label;
    Rect rect;
    bool correct = false;
};

struct Tile {
    std::string name, label;
    PictureRef picture;
};

struct Target {
    std::string name;
    Rect rect;
    std::string answer;  // tile name
};

// One QTI item in the product's terms, fully converted in memory before
// anything is written.
struct Question {
    std::string identifier;  // the QTI item identifier
    std::string title;
    std::string kind;  // product question type
    std::string statement, explanation;
    int marks = 1;
    int seconds = 60;
    std::string objective, level;  // from the package's metadata, may be empty
    std::optional<PictureRef> exhibit;
    std::vector<Option> options;
    std::string accepted;
    std::vector<std::string> alternatives;
    std::optional<PictureRef> questionImage;
    std::vector<HotSpot> hotspots;
    std::vector<Tile> tiles;
    std::vector<Target> targets;
    std::vector<std::string> notes;  // simplifications worth telling the author

    std::vector<const PictureRef*> pictures() const;
};

// "Item \"id\"", the way messages name an item.
std::string itemName(const std::string& identifier);

}  // namespace examsim::pack::qti
