target_sources(zorvik_core PRIVATE HistoryUnit.cpp HistoryUnit.h)
target_sources(zorvik_ui PRIVATE HistoryChartUnit.cpp HistoryChartUnit.h)
