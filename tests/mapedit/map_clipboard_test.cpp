// The map's cells through the clipboard: what a spreadsheet reads from a copy, and what a
// paste of a spreadsheet's block does to the map, or refuses to do.
#include "mapedit/map_clipboard.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "graph2d_test_support.h"

namespace zarvell {
namespace {

using testgraph::Cell;

// How a spreadsheet splits pasted text: lines into rows, tabs into cells.
std::vector<std::vector<std::string>> SpreadsheetCells(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string>& row = rows.emplace_back();
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) row.push_back(cell);
  }
  return rows;
}

ParameterImage Varied() {
  ParameterImage image = testgraph::FlatMap(0);
  for (int cell = 0; cell < 100; ++cell)
    image[100 + cell] = static_cast<std::uint8_t>((cell * 7) % 61);
  return image;
}

TEST(MapClipboard, ACopyReadsIntoASpreadsheetAndPastesBackUnchanged) {
  const ParameterImage original = Varied();
  TSelcell all;
  all.cellFlags.fill(CELL_SELECTED);
  const std::string copied = CopyCells(original, all);
  const auto rows = SpreadsheetCells(copied);
  ASSERT_EQ(rows.size(), 10u);
  for (int r = 0; r < 10; ++r) {
    ASSERT_EQ(rows[r].size(), 10u) << r;
    for (int c = 0; c < 10; ++c) EXPECT_EQ(rows[r][c], std::to_string(original[100 + 10 * r + c]));
  }
  // The spreadsheet gives the block back; into an empty map at the top-left cell.
  ParameterImage image = testgraph::FlatMap(0);
  TSelcell none;
  EXPECT_EQ(PasteCells(copied, none, true, image).kind, PasteOutcome::Kind::Pasted);
  EXPECT_EQ(image.block, original.block);

  // A block in the semicolon form with Windows line ends goes to the selection's top-left
  // cell, whatever the selection's shape; values beyond 60 are held at 60.
  TSelcell two;
  two.cellFlags[46] = two.cellFlags[57] = CELL_SELECTED;
  const PasteOutcome outcome = PasteCells("1; 2 ;3\r\n4;5;99\r\n", two, true, image);
  EXPECT_EQ(outcome.kind, PasteOutcome::Kind::Pasted);
  EXPECT_EQ((std::vector<int>{Cell(image, 4, 6), Cell(image, 4, 7), Cell(image, 4, 8),
                              Cell(image, 5, 6), Cell(image, 5, 7), Cell(image, 5, 8)}),
            (std::vector<int>{1, 2, 3, 4, 5, 60}));
  // The bounding rectangle of a selection is what a copy gives.
  EXPECT_EQ(CopyCells(image, two), "1\t2\n4\t5\n");
  EXPECT_EQ(CopyCells(image, none), "");
}

TEST(MapClipboard, ABlockThatDoesNotFitOrIsNotNumbersChangesNothing) {
  struct Case {
    const char* text;
    bool throttleRows;
    PasteOutcome::Kind kind;
  };
  const std::string row11 = "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\n";
  const std::string threeBy11 = row11 + row11 + row11;
  for (const Case k : {Case{threeBy11.c_str(), true, PasteOutcome::Kind::DoesNotFit},
                       {"1\t2\n3\t4\n", false, PasteOutcome::Kind::DoesNotFit},  // one row shown
                       {"1\tx\n", true, PasteOutcome::Kind::NotNumbers},
                       {"1\t\t3\n", true, PasteOutcome::Kind::NotNumbers},
                       {"1\t-\n", true, PasteOutcome::Kind::NotNumbers},
                       {"\n\n", true, PasteOutcome::Kind::NotNumbers}}) {
    ParameterImage image = Varied();
    const ParameterImage before = image;
    const PasteOutcome outcome = PasteCells(k.text, TSelcell{}, k.throttleRows, image);
    EXPECT_EQ(outcome.kind, k.kind) << k.text;
    EXPECT_EQ(image.block, before.block) << k.text;
  }
  ParameterImage image = Varied();
  const PasteOutcome outcome = PasteCells(threeBy11, TSelcell{}, true, image);
  EXPECT_EQ((std::vector<int>{outcome.rows, outcome.columns, outcome.atRow, outcome.atColumn}),
            (std::vector<int>{3, 11, 0, 0}));
  // Without throttle rows the single row shown is row 9.
  EXPECT_EQ(PasteCells("7\t8\n", TSelcell{}, false, image).kind, PasteOutcome::Kind::Pasted);
  EXPECT_EQ(Cell(image, 9, 0), 7);
  EXPECT_EQ(Cell(image, 9, 1), 8);
}

TEST(MapClipboard, OnlyABlockIsTheGridsToPaste) {
  EXPECT_FALSE(LooksLikeBlock("27"));
  EXPECT_FALSE(LooksLikeBlock("27\n"));
  EXPECT_FALSE(LooksLikeBlock(""));
  EXPECT_TRUE(LooksLikeBlock("27\t28"));
  EXPECT_TRUE(LooksLikeBlock("27;28"));
  EXPECT_TRUE(LooksLikeBlock("27\n28\n"));
}

}  // namespace
}  // namespace zarvell
