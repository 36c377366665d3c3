target_sources(zorvik_ui PRIVATE
    MySpeenEditUnit.cpp MySpeenEditUnit.h
    PhoneSetupFormUnit.cpp PhoneSetupFormUnit.h PhoneSetupFormUnit.ui
    SettingsFromUnit.cpp SettingsFromUnit.h SettingsFromUnit.ui)
