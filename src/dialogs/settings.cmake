target_sources(zorvik_ui PRIVATE)
