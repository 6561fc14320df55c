@echo off
rem Builds the three programs and runs them on the bundled sample league: each program
rem works in a fresh copy of examples\league (build\demo-league) and reads its answers
rem from examples\demo\, so nothing waits for a key. Lists the pages written at the end.
rem
rem   scripts\demo.bat            builds with CMake (Visual Studio or any generator); in
rem                              the unpacked release zip, uses the programs at its top
rem   scripts\demo.bat FOLDER     uses Quorrin.exe, Omblen.exe and Duvessa.exe from FOLDER
setlocal
cd /d "%~dp0.."
set "ROOT=%CD%"

if "%~1"=="" if exist "%ROOT%\Quorrin.exe" (
  set "QUORRIN=%ROOT%\Quorrin.exe"
  set "OMBLEN=%ROOT%\Omblen.exe"
  set "DUVESSA=%ROOT%\Duvessa.exe"
  goto :run
)
if not "%~1"=="" (
  set "QUORRIN=%~f1\Quorrin.exe"
  set "OMBLEN=%~f1\Omblen.exe"
  set "DUVESSA=%~f1\Duvessa.exe"
  goto :run
)

set "BUILD=%ROOT%\build\demo-windows"
cmake -S "%ROOT%" -B "%BUILD%" -DLEAGUE_TOOLS_BUILD_TESTS=OFF
if errorlevel 1 goto :failed
cmake --build "%BUILD%" --config Release --target Quorrin Omblen Duvessa
if errorlevel 1 goto :failed
rem Multi-configuration generators (Visual Studio) put the programs below Release\.
call :locate QUORRIN quorrin Quorrin
call :locate OMBLEN omblen Omblen
call :locate DUVESSA duvessa Duvessa

:run
for %%p in ("%QUORRIN%" "%OMBLEN%" "%DUVESSA%") do (
  if not exist %%p (
    echo Program not found: %%~p
    goto :failed
  )
)
set "LEAGUE=%ROOT%\build\demo-league"
if exist "%LEAGUE%" rmdir /s /q "%LEAGUE%"
xcopy /e /i /q /y "%ROOT%\examples\league" "%LEAGUE%" >nul
if errorlevel 1 goto :failed

pushd "%LEAGUE%"
call :program Quorrin "%QUORRIN%" quorrin_answers.txt --charts
call :program Omblen "%OMBLEN%" omblen_answers.txt
call :program Duvessa "%DUVESSA%" duvessa_answers.txt
echo.
echo Pages written in build\demo-league (open the .html files in a browser):
for %%f in (*.html *.txt) do echo   build\demo-league\%%f
popd
exit /b 0

rem Runs one program in the league folder with its scripted answers. Omblen and Duvessa
rem end with status 1 even after a complete run, so the status is shown, not checked.
:program
echo.
echo == %~1 %~4
"%~2" %~4 < "%ROOT%\examples\demo\%~3"
echo.
echo == %~1 ended with exit status %ERRORLEVEL%
exit /b 0

:locate
if exist "%BUILD%\src\%~2\Release\%~3.exe" (
  set "%~1=%BUILD%\src\%~2\Release\%~3.exe"
) else (
  set "%~1=%BUILD%\src\%~2\%~3.exe"
)
exit /b 0

:failed
echo The demo could not be run.
popd 2>nul
exit /b 1
