// Cost of reading the table's three small windows from a capture: the four card corners of the
// last trick (once per trick), the last hand (once per deal, with its glyph tables prepared
// once, and preparing them each time) and a score table of 25 rows.
#include <benchmark/benchmark.h>

#include <random>

#include "companion/recognition/PanelReaders.h"
#include "tableclient/render/SubViews.h"
#include "tests/recognition/PanelScenes.h"

namespace {

using namespace scorlet;
using namespace scorlet::recognition;

void BM_LastTrickCards(benchmark::State& state) {
  table::LastTrickScene scene;
  scene.cards = {312, 110, 2, 214};
  scene.layoutSeed = 9;
  const PanelCapture picture = testing::PanelOf(table::RenderLastTrick(scene));
  const GlyphTables glyphs = BuildGlyphTables();
  for (auto _ : state) benchmark::DoNotOptimize(ReadTrickCards(picture, glyphs));
}
BENCHMARK(BM_LastTrickCards)->Unit(benchmark::kMicrosecond);

PanelCapture LastHandPicture() {
  std::mt19937 rng(5);
  table::LastHandScene scene = testing::RandomLastHand(rng, 77);
  scene.layoutSeed = 3;
  return testing::PanelOf(table::RenderLastHand(scene));
}

void BM_LastHand(benchmark::State& state) {
  const PanelCapture picture = LastHandPicture();
  const GlyphTables glyphs = LastHandGlyphs(BuildGlyphTables());
  for (auto _ : state) benchmark::DoNotOptimize(ReadLastHandPicture(picture, glyphs, 1));
}
BENCHMARK(BM_LastHand)->Unit(benchmark::kMicrosecond);

// Handed the name reader's tables, the reader prepares the last hand's own each time.
void BM_LastHandPreparingGlyphs(benchmark::State& state) {
  const PanelCapture picture = LastHandPicture();
  const GlyphTables glyphs = BuildGlyphTables();
  for (auto _ : state) benchmark::DoNotOptimize(ReadLastHandPicture(picture, glyphs, 1));
}
BENCHMARK(BM_LastHandPreparingGlyphs)->Unit(benchmark::kMicrosecond);

void BM_ScoreTable25Rows(benchmark::State& state) {
  std::mt19937 rng(8);
  table::ScoreScene scene = testing::RandomScore(rng, 25);
  scene.layoutSeed = 4;
  const PanelCapture picture = testing::PanelOf(table::RenderScore(scene));
  const GlyphTables glyphs = BuildGlyphTables();
  for (auto _ : state) benchmark::DoNotOptimize(ReadScorePicture(picture, glyphs));
}
BENCHMARK(BM_ScoreTable25Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
