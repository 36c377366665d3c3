target_sources(zorvik_ui PRIVATE AboutFormUnit.cpp AboutFormUnit.h)
